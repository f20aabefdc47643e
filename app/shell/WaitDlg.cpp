#include "app/shell/WaitDlg.h"

#include "platform/Backend.h"
#include "ui/widgets/CGifPicture.h"

namespace {

constexpr LumoUI::COLORREF kBackAndBorder = 0x333333;  // the same in both colour forms

}  // namespace

bool WaitDlg::CreateOver(platform::WindowId owner) {
  auto& windows = platform::Get<platform::Windows>();
  const platform::Rect around =
      owner && windows.IsWindow(owner) ? windows.GetWindowRect(owner) : windows.ScreenRect();
  const int x = around.left + (around.Width() - kSize) / 2;
  const int y = around.top + (around.Height() - kSize) / 2;
  return Create(owner, L"WaitDlg", LumoUI::kAppWindowStyle, platform::WS_EX_TOOLWINDOW,
                {x, y, x + kSize, y + kSize}) != 0;
}

int WaitDlg::Run() {
  return ShowModal(platform::SW_SHOW);
}

int WaitDlg::OnInitDialog() {
  MDialog::OnInitDialog();
  SetBackColor(kBackAndBorder, kBackAndBorder);
  ModifyExStyle(0, platform::WS_EX_TOPMOST);
  BringToTop();
  SetMTimer(10);
  EnableWndDrag(1);
  return 1;
}

void WaitDlg::InitUI(LumoUI::CRect) {
  SetLayeredWindow(1);
  auto* animation = static_cast<LumoUI::CGifPicture*>(
      CreateControl(L"CGifPicture", kAnimationId, {1, 1, kSize - 1, kSize - 1}));
  if (!animation) return;
  // A missing or undecodable animation leaves an empty box; the dialog still works.
  if (animation->SetImage(L"loading.gif", 1)) animation->SetRunState(1, 0);
}
