#pragma once

#include <memory>
#include <string>

#include "ui/core/MObject.h"
#include "ui/core/MShadow.h"
#include "ui/core/MWindow.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

// The window every program dialog derives from: a window with a paint manager that holds its
// controls. The MObject side is the parent of the dialog's top-level controls; their
// notifications arrive in OnMessage. Close a running dialog with DoOK and its siblings.
class MDialog : public MWindow, public MObject {
 public:
  MDialog();
  ~MDialog() override;

  // MObject side.
  const wchar_t* GetClassNameW() override { return L"MDialog"; }
  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
  long OnControlUpdate(CRect rect, int stale, MControl* control) override;

  // MWindow side.
  long OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) override;
  bool PreTranslateMessage(const platform::WindowMessage& message) override;
  int OnInitDialog() override;
  void OnDestroyMessage(platform::WindowId window) override;

  // What the program overrides.
  virtual CPoint GetAirBladderPoint(MControl*, unsigned) { return {}; }
  virtual void OnMinimize();
  virtual void OnMaximize();
  // The program creates its controls here, and lays them out again in UISize.
  virtual void InitUI(CRect) {}
  virtual void UISize(CRect) {}
  // Every notification of the dialog's controls.
  virtual long OnMessage(unsigned, unsigned, unsigned, long) { return 0; }
  // A close request (DoOK ...): closes the window with `wparam` as the modal result.
  virtual long OnUserCloseWindow(unsigned wparam, long lparam);
  // Observation hooks: they see a message before the paint manager does, and their results do
  // not change what happens next.
  virtual long OnCreate() { return 0; }
  virtual long OnSize(unsigned, int, int) { return 0; }
  virtual long OnMouseMove(unsigned, CPoint) { return 0; }
  virtual long OnMouseLeave() { return 0; }
  virtual long OnMouseHover(unsigned, CPoint) { return 0; }
  virtual long OnMouseWheel(unsigned, int, CPoint) { return 0; }
  virtual long OnLButtonDown(unsigned, CPoint) { return 0; }
  virtual long OnLButtonUp(unsigned, CPoint) { return 0; }
  virtual long OnLButtonDblClk(unsigned, CPoint) { return 0; }
  virtual long OnRButtonDown(unsigned, CPoint) { return 0; }
  virtual long OnRButtonUp(unsigned, CPoint) { return 0; }
  virtual long OnRButtonDblClk(unsigned, CPoint) { return 0; }
  virtual long OnKeyDown(unsigned, unsigned, unsigned) { return 0; }
  virtual long OnNcActivate(bool) { return 0; }
  virtual long OnWindowPosChanging() { return 0; }
  virtual long OnWindowPosChanged() { return 0; }
  virtual long OnPaint() { return 0; }
  virtual long OnTimer(unsigned) { return 0; }
  virtual long OnClose() { return 1; }
  virtual long OnDestroy() { return 0; }
  virtual void PostNcDestroy() {}

  MControl* CreateControl(const wchar_t* class_name, unsigned id, CRect rect,
                          const wchar_t* title = L"", int visible = 1, int enabled = 1);
  MControl* CreateArea(const wchar_t* class_name, unsigned id, CRect rect,
                       const wchar_t* title = L"", int visible = 1, int enabled = 1);
  MControl* GetControl(unsigned id) { return manager_.GetControl(id); }
  std::vector<MControl*>& GetControls() { return manager_.GetControls(); }
  void SetFocusControl(MControl* control) { manager_.SetFocusControl(control); }
  PaintManager& GetPaintManager() { return manager_; }

  bool LoadBKImage(const std::wstring& name) { return manager_.LoadBKImage(name); }
  void SetBackMode(enumBackMode mode, int border) { manager_.SetBackMode(mode, border); }
  void SetBackColor(COLORREF back, COLORREF border) { manager_.SetBackColor(back, border); }
  // A window with per-pixel alpha: its transparent pixels show what lies behind.
  void SetLayeredWindow(int layered) { manager_.SetLayeredWindow(layered); }
  // Fades the whole window (255 opaque); turns it into a layered window.
  void SetWindowAlpha(uint8_t alpha) { manager_.SetWindowAlpha(alpha); }
  uint8_t GetWindowAlpha() const { return manager_.GetWindowAlpha(); }
  // Pixels of this colour become holes; PaintManager::kNoColorKey (white) means none.
  void SetColorKey(COLORREF key) { manager_.SetColorKey(key); }
  COLORREF GetColorKey() const { return manager_.GetColorKey(); }
  void EnableWndDrag(int enable) { manager_.EnableWndDrag(enable); }
  void SetScrollResID(unsigned vertical, unsigned horizontal);
  unsigned SetMTimer(unsigned milliseconds) { return manager_.SetMTimer(milliseconds); }
  bool KillMTimer(unsigned id) { return manager_.KillMTimer(id); }

  void DoOK() { PostMessageW(WM_USERCLOSE, IDOK, 0); }
  void DoCancel() { PostMessageW(WM_USERCLOSE, IDCANCEL, 0); }
  void DoClose() { PostMessageW(WM_USERCLOSE, IDCANCEL, 0); }
  void DoYes() { PostMessageW(WM_USERCLOSE, IDYES, 0); }
  void DoNo() { PostMessageW(WM_USERCLOSE, IDNO, 0); }

  void SetTooltip(const std::wstring& text, CRect at) { manager_.SetTooltip(text.c_str(), at); }
  void ClearTooltip() { manager_.ClearTooltip(); }
  void SetTooltipCtrlID(int id) { manager_.SetTooltipCtrlID(id); }
  int GetTooltipCtrlID() const { return manager_.GetTooltipCtrlID(); }
  void SetMessage(const std::wstring& text, CRect rect, MsgLevel level) {
    manager_.SetMessage(text, rect, level);
  }
  void SetProgress(int percent, const std::wstring& text, CRect rect) {
    manager_.SetProgress(percent, text, rect);
  }

  // The optional drop shadow; nothing is drawn for it.
  MShadow* CreateShadow(int show, bool);
  MShadow* GetShadow() { return shadow_.get(); }

 protected:
  // Runs the hook that observes `message`; true when the message is answered by it alone.
  bool RunHook(unsigned message, platform::WParam wparam, platform::LParam lparam, long& result);
  PaintManager manager_;
  CRect client_;

 private:
  void OnSizeMessage(platform::WParam type);
  std::unique_ptr<MShadow> shadow_;
  bool maximized_ = false;
};

}  // namespace LumoUI
