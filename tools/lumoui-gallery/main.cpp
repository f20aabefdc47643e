// lumoui-gallery: what LumoUI can do, in one window. Exits with the dialog's modal result (1 OK,
// 2 Cancel, 6 Yes, 7 No), 3 when no window can be shown.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/InstanceLock.h"
#include "platform/Text.h"
#include "platform/Windows.h"
#include "tools/lumoui-gallery/GalleryDialog.h"

int main(int argc, char** argv) {
  std::wstring instance;
  std::string state_file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--instance") == 0 && i + 1 < argc) {
      instance = platform::FromUtf8(argv[++i]);
    } else if (std::strcmp(argv[i], "--state") == 0 && i + 1 < argc) {
      state_file = argv[++i];
    } else {
      std::fprintf(stderr,
                   "Usage: lumoui-gallery [--instance NAME] [--state FILE]\n"
                   "  --instance NAME  hold the single-instance name and mark the window with it,\n"
                   "                   as the program's main window does\n"
                   "  --state FILE     write what the edit, combo box, list and tab strip hold on\n"
                   "                   closing\n");
      return 2;
    }
  }
  std::unique_ptr<platform::InstanceLock::Holder> holder;
  if (!instance.empty()) platform::Get<platform::InstanceLock>().Acquire(instance, holder);

  GalleryDialog dialog;
  const LumoUI::CRect rect{0, 0, GalleryDialog::kWidth, GalleryDialog::kHeight};
  if (!dialog.Create(0, L"LumoUI Gallery", LumoUI::kAppWindowStyle, 0, rect)) {
    std::fprintf(stderr, "lumoui-gallery: no window can be shown (is DISPLAY set?)\n");
    return 3;
  }
  dialog.CenterWindow();
  if (!instance.empty()) {
    platform::Get<platform::Windows>().SetProperty(dialog.GetSafeHwnd(), instance, 1);
  }
  const int result = dialog.ShowModal(platform::SW_SHOW);
  if (!state_file.empty()) {
    if (std::FILE* file = std::fopen(state_file.c_str(), "w")) {
      std::fputs(platform::ToUtf8(dialog.State()).c_str(), file);
      std::fclose(file);
    }
  }
  std::printf("lumoui-gallery: closed with %d\n", result);
  return result;
}
