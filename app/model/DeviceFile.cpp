#include "app/model/DeviceFile.h"

#include "app/text/Numbers.h"
#include "platform/Backend.h"
#include "platform/Folders.h"

namespace {

int Decimal(const XmlDocument& document, const wchar_t* attribute) {
  return LeadingDecimal(document.GetAttrib(attribute));
}

KeyboardArea ReadKeyboardArea(const XmlDocument& document) {
  KeyboardArea area;
  area.found = true;
  area.xpos = Decimal(document, L"xpos");
  area.ypos = Decimal(document, L"ypos");
  area.width = Decimal(document, L"width");
  area.height = Decimal(document, L"height");
  area.image = document.GetAttrib(L"image");
  area.row_count = Decimal(document, L"row_count");
  area.col_count = Decimal(document, L"col_count");
  return area;
}

LayoutKey ReadKey(const XmlDocument& document) {
  LayoutKey key;
  key.code = LeadingHex(document.GetAttrib(L"code"));
  key.name = document.GetAttrib(L"name");
  key.desc = document.GetAttrib(L"desc");
  key.key_index = Decimal(document, L"key_index");
  key.light_index = Decimal(document, L"light_index");
  key.icon = document.GetAttrib(L"icon");
  key.row_col = document.GetAttrib(L"row_col");
  key.cell = ParseRowCol(key.row_col);
  key.rect = ParseKeyRect(document.GetAttrib(L"rect"));
  return key;
}

// The second half of the file: `Keyboard`, found after `light`, with its `KeyItems`.
void ReadKeyLayout(XmlDocument& document, KeyLayout& layout) {
  if (!document.FindElem(L"Keyboard")) return;
  layout.SetKeyboard(ReadKeyboardArea(document));
  document.IntoElem();
  if (document.FindElem(L"KeyItems")) {
    document.IntoElem();
    while (document.FindElem(L"key"))
      layout.AddKey(ReadKey(document));
    document.OutOfElem();
  }
  document.OutOfElem();
}

}  // namespace

XmlDocument::LoadResult DeviceFile::Load(const std::filesystem::path& file,
                                         const KeyboardViews& views) {
  XmlDocument document;
  const auto result = document.Load(file);
  if (result != XmlDocument::LoadResult::Ok) {
    Reset();
    views.Fill(layout_, menu_flags_);
    return result;
  }
  return Read(document, views);
}

XmlDocument::LoadResult DeviceFile::Read(XmlDocument& document, const KeyboardViews& views) {
  Reset();
  auto result = XmlDocument::LoadResult::Malformed;
  document.ResetPos();
  if (document.FindElem(L"device.info") && document.IntoElem()) {
    ReadDeviceInfo(document, info_, menu_flags_);
    ReadKeyLayout(document, layout_);
    result = XmlDocument::LoadResult::Ok;
  }
  views.Fill(layout_, menu_flags_);
  return result;
}

void DeviceFile::Reset() {
  info_ = DeviceInfo();
  layout_.Clear();
}

std::filesystem::path DeviceFilePath(std::wstring_view device_info) {
  return platform::Get<platform::Folders>().ProgramFolder() / "layouts" /
         (platform::SafeFileName(device_info) + ".xml");
}
