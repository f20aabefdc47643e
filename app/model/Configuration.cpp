#include "app/model/Configuration.h"

#include "app/text/Numbers.h"
#include "platform/Backend.h"
#include "platform/Folders.h"

namespace {

ConnectionMode ReadMode(const XmlDocument& document) {
  ConnectionMode mode;
  mode.value = LeadingDecimal(document.GetAttrib(L"value"));
  mode.desc = document.GetAttrib(L"desc");
  mode.vid = LeadingHex(document.GetAttrib(L"vid"));
  mode.pid = LeadingHex(document.GetAttrib(L"pid"));
  mode.product_name = document.GetAttrib(L"product_name");
  mode.hid_interface = document.GetAttrib(L"hid_interface");
  return mode;
}

// Reads the url-like attribute of a child of `software`, searching forward as the file is laid out.
void ReadChild(XmlDocument& document, const wchar_t* element, const wchar_t* attribute,
               std::wstring& out) {
  if (document.FindElem(element)) out = document.GetAttrib(attribute);
}

}  // namespace

const KeyboardModel* Configuration::FindModel(int device_type) const {
  for (const auto& model : models) {
    if (model.device_type == device_type) return &model;
  }
  return nullptr;
}

std::vector<ModeRecord> Configuration::ModeRecords() const {
  std::vector<ModeRecord> records;
  for (const auto& model : models) {
    for (const auto& mode : model.modes) {
      records.push_back(ModeRecord{mode.product_name, model.device_type, model.device_info,
                                   mode.value, mode.vid, mode.pid, mode.desc, mode.hid_interface,
                                   0});
    }
  }
  return records;
}

std::filesystem::path ConfigurationFile() {
  return platform::Get<platform::Folders>().ProgramFolder() / "config.xml";
}

XmlDocument::LoadResult LoadConfiguration(const std::filesystem::path& file,
                                          Configuration& configuration) {
  configuration = Configuration();
  XmlDocument document;
  const auto result = document.Load(file);
  if (result != XmlDocument::LoadResult::Ok) return result;
  return ReadConfiguration(document, configuration);
}

XmlDocument::LoadResult ParseConfiguration(std::string_view bytes, Configuration& configuration) {
  configuration = Configuration();
  XmlDocument document;
  const auto result = document.Parse(bytes);
  if (result != XmlDocument::LoadResult::Ok) return result;
  return ReadConfiguration(document, configuration);
}

XmlDocument::LoadResult ReadConfiguration(XmlDocument& document, Configuration& configuration) {
  configuration = Configuration();
  if (!document.FindElem(L"config") || !document.IntoElem())
    return XmlDocument::LoadResult::Malformed;

  if (document.FindElem(L"device.info")) {
    document.IntoElem();
    while (document.FindElem(L"keyboard")) {
      KeyboardModel model;
      model.name = document.GetAttrib(L"name");
      model.device_type = LeadingDecimal(document.GetAttrib(L"device_type"));
      model.device_info = document.GetAttrib(L"device_info");
      document.IntoElem();
      while (document.FindElem(L"mode"))
        model.modes.push_back(ReadMode(document));
      document.OutOfElem();
      configuration.models.push_back(std::move(model));
    }
    document.OutOfElem();
  }

  // Searching goes on from device.info, so a software element placed before it is not found.
  if (document.FindElem(L"software")) {
    auto& software = configuration.software;
    software.found = true;
    software.name = document.GetAttrib(L"name");
    software.version = document.GetAttrib(L"version");
    document.IntoElem();
    ReadChild(document, L"website", L"url", software.website);
    ReadChild(document, L"store", L"url", software.store);
    ReadChild(document, L"upgrade", L"url", software.upgrade);
    ReadChild(document, L"copyright", L"info", software.copyright);
    document.OutOfElem();
  }
  return XmlDocument::LoadResult::Ok;
}
