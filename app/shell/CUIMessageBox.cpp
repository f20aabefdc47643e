#include "app/shell/CUIMessageBox.h"

#include "app/shell/LanguageText.h"
#include "platform/Backend.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/MButton.h"
#include "ui/widgets/MText.h"

namespace {

constexpr uint32_t kToolWindow = 0x80;
constexpr LumoUI::Color kTitleColour = 0xFFFFFFFF;
constexpr LumoUI::Color kMessageColour = 0xFFD6DEE8;

}  // namespace

CUIMessageBox::CUIMessageBox(std::wstring title, std::wstring message, int type)
    : title_(std::move(title)), message_(std::move(message)), type_(type) {}

bool CUIMessageBox::CreateBox(platform::WindowId owner) {
  LoadBKImage(L"bk_prompt.png");
  SetBackMode(LumoUI::BackModeNinePart, 30);
  if (!Create(owner, L"MessageBox", LumoUI::kAppWindowStyle, kToolWindow,
              {0, 0, kWidth, kHeight})) {
    return false;
  }
  // On the screen's centre, not the owner's: the box may belong to a hidden main window.
  auto& windows = platform::Get<platform::Windows>();
  const platform::Rect screen = windows.ScreenRect();
  const int x = screen.left + (screen.Width() - kWidth) / 2;
  const int y = screen.top + (screen.Height() - kHeight) / 2;
  windows.Move(GetSafeHwnd(), {x, y, x + kWidth, y + kHeight});
  return true;
}

LumoUI::CRect CUIMessageBox::OkRect(int type, int width, int height) {
  if (type == kTwoButtons) return {width / 2 - 120, height - 40, width / 2 - 20, height - 10};
  return {60, height - 40, width - 60, height - 10};
}

LumoUI::CRect CUIMessageBox::CancelRect(int width, int height) {
  return {width / 2 + 20, height - 40, width / 2 + 120, height - 10};
}

int CUIMessageBox::OnInitDialog() {
  MDialog::OnInitDialog();
  BringToTop();
  return 1;
}

void CUIMessageBox::InitUI(LumoUI::CRect client) {
  SetLayeredWindow(1);
  const int w = client.Width();
  const int h = client.Height();

  if (auto* title = static_cast<LumoUI::MText*>(
          CreateControl(L"MText", kTitleId, {20, 15, w - 20, 40}, title_.c_str()))) {
    title->SetFontWidth(16);
    title->SetTextColor(kTitleColour);
    title->SetAlignment(LumoUI::AlignCenter, LumoUI::VAlignCenter);
  }
  if (auto* message = static_cast<LumoUI::MText*>(CreateControl(
          L"MText", kMessageId, {20, h / 2 - 30, w - 20, h / 2 + 30}, message_.c_str()))) {
    message->SetFontWidth(16);
    message->SetTextColor(kMessageColour);
    message->SetAlignment(LumoUI::AlignCenter, LumoUI::VAlignCenter);
    message->EnableMultiLine(1);
  }

  const auto add_button = [this](unsigned id, LumoUI::CRect rect, const std::wstring& text) {
    auto* button = static_cast<LumoUI::MButton*>(CreateControl(L"MButton", id, rect, text.c_str()));
    if (!button) return;
    button->SetImage(L"btn_apply.png", 4);
    button->SetFontWidth(14);
    button->SetTextColor(kTitleColour);
    button->SetAlignment(LumoUI::AlignCenter, LumoUI::VAlignCenter);
  };
  if (type_ == kTwoButtons) {
    add_button(kOkId, OkRect(type_, w, h), Text(23));
    add_button(kCancelId, CancelRect(w, h), Text(25));
  } else if (type_ == kOneButton) {
    add_button(kOkId, OkRect(type_, w, h), Text(20));
  }
}

long CUIMessageBox::OnMessage(unsigned id, unsigned code, unsigned, long) {
  if (code != LumoUI::NOTIFY_CLICKED) return 0;
  if (id == kOkId) DoOK();
  if (id == kCancelId) DoCancel();
  return 0;
}

int ShowMessageBox(platform::WindowId owner, const std::wstring& title, const std::wstring& message,
                   int type) {
  CUIMessageBox box(title, message, type);
  if (!box.CreateBox(owner)) return -1;
  return box.ShowModal(platform::SW_SHOWNORMAL);
}
