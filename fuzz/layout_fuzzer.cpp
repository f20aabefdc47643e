// Feeds arbitrary bytes to the device file loader, hands the keys to a view that checks what it is
// given, and reads back every table the senders and live effects index.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/model/DeviceFile.h"
#include "app/model/KeyboardView.h"
#include "app/model/LayoutWarnings.h"

namespace {

class CheckingView final : public KeyboardView {
 public:
  void ClearItem() override { keys_ = 0; }
  void SetViewRect(const KeyRect&) override {}
  void SetKeyboardImage(const std::wstring& path) override {
    if (path.rfind(L"keyboard\\", 0) != 0) std::abort();
  }
  void SetWidthAndHeight(int, int) override {}
  int AddKeyItem(const std::wstring&, const std::wstring&, uint32_t, const KeyRect&,
                 const std::wstring&) override {
    return keys_++;
  }
  int Keys() const { return keys_; }

 private:
  int keys_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  XmlDocument document;
  if (document.Parse(std::string_view(reinterpret_cast<const char*>(data), size)) !=
      XmlDocument::LoadResult::Ok) {
    return 0;
  }
  CheckingView first, second, third;
  DeviceFile device;
  device.SetMenuFlags(size ? data[0] : 0);
  device.Read(document, KeyboardViews{&first, &second, &third});
  const KeyLayout& layout = device.Layout();
  for (const KeyboardView* view : {&first, &second, &third}) {
    const int keys = static_cast<const CheckingView*>(view)->Keys();
    if (keys != 0 && keys != static_cast<int>(layout.Keys().size())) std::abort();
  }
  for (const LayoutKey& key : layout.Keys()) {
    const int position = layout.KeyPosition(key.code);
    if (position != -1 && !KeyLayout::IsPosition(position)) std::abort();
  }
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int col = 0; col < layout.ColCount(); ++col)
      layout.MatrixCode(row, col);
  }
  CheckKeyLayout(layout);
  return 0;
}
