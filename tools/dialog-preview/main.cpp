// dialog-preview: shows the program's message box or busy dialog on their own, to check their look
// and behaviour on a real display. Exits with the message box's result (1 OK, 2 Cancel), 0 after
// the busy dialog, 3 when no window can be shown, 2 on a usage error.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/shell/CUIMessageBox.h"
#include "app/shell/CurrentLanguage.h"
#include "app/shell/LanguageText.h"
#include "app/shell/WaitDlg.h"
#include "platform/Windows.h"

namespace {

// A window standing in for the main window, with the busy dialog over it for `seconds`.
class BusyPreview : public LumoUI::MDialog {
 public:
  explicit BusyPreview(int seconds) : seconds_(seconds) {}

  void InitUI(LumoUI::CRect) override {
    LoadBKImage(L"main_bkg.png");
    SetBackMode(LumoUI::BackModeNatural, 0);
  }

  long OnWindowMessage(unsigned message, platform::WParam wparam,
                       platform::LParam lparam) override {
    if (message == kShowBusy) {
      WaitDlg busy;
      if (busy.CreateOver(GetSafeHwnd())) {
        // The job runs on another thread and closes the dialog by posting, as the worker does.
        std::thread job([&busy, this] {
          std::this_thread::sleep_for(std::chrono::seconds(seconds_));
          busy.Close();
        });
        busy.Run();
        job.join();
      }
      DoOK();
      return 0;
    }
    return MDialog::OnWindowMessage(message, wparam, lparam);
  }

  static constexpr uint32_t kShowBusy = platform::WM_APP + 1;

 private:
  int seconds_;
};

int Usage() {
  std::fprintf(stderr,
               "Usage: dialog-preview message [--lang 1033|2052] [--one-button]\n"
               "       dialog-preview busy [--seconds N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string what = argv[1];
  int language = kLanguageEnglish;
  int type = CUIMessageBox::kTwoButtons;
  int seconds = 5;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lang" && i + 1 < argc) {
      language = std::atoi(argv[++i]) == kLanguageChinese ? kLanguageChinese : kLanguageEnglish;
    } else if (arg == "--one-button") {
      type = CUIMessageBox::kOneButton;
    } else if (arg == "--seconds" && i + 1 < argc) {
      seconds = std::max(0, std::atoi(argv[++i]));
    } else {
      return Usage();
    }
  }
  SetCurrentLanguage(language);

  if (what == "message") {
    // Texts of the settings page's confirmation, so both languages show real wording.
    const int result = ShowMessageBox(0, Text(168), Text(167), type);
    std::printf("dialog-preview: message box closed with %d\n", result);
    return result < 0 ? 3 : result;
  }
  if (what == "busy") {
    BusyPreview preview(seconds);
    if (!preview.Create(0, L"Busy preview", LumoUI::kAppWindowStyle, 0, {0, 0, 1280, 720})) {
      return 3;
    }
    preview.CenterWindow();
    preview.PostMessageW(BusyPreview::kShowBusy, 0, 0);
    preview.ShowModal(platform::SW_SHOW);
    std::printf("dialog-preview: busy dialog closed\n");
    return 0;
  }
  return Usage();
}
