#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "platform/Windows.h"
#include "ui/core/Caret.h"
#include "ui/core/Color.h"
#include "ui/core/ControlTimers.h"
#include "ui/core/FontCache.h"
#include "ui/core/ImageCache.h"
#include "ui/core/MessageOverlay.h"
#include "ui/core/RKTimer.h"
#include "ui/core/Tooltip.h"

namespace LumoUI {

class MControl;
class MControlFont;
class MObject;

enum enumBackMode { BackModeNatural = 0, BackModeNinePart = 1 };

// The heart of a window: holds its top-level areas and controls, paints them double-buffered
// into one ARGB image of the client size, routes mouse, keyboard and timer input to them, and
// runs their timers, tooltip, caret and message overlay. Lives on the window's thread; repaint
// requests and animation registration may also come from other threads.
class PaintManager : public RKTimer {
 public:
  // Window timer ids the manager keeps for itself; control timers never get them.
  static constexpr unsigned kMessageHoldTimer = MessageOverlay::kHoldTimer;
  static constexpr unsigned kMessageFadeTimer = MessageOverlay::kFadeTimer;
  static constexpr unsigned kProgressTimer = MessageOverlay::kProgressTimer;
  static constexpr unsigned kCaretTimer = 6553;
  static constexpr unsigned kFrameTimer = 6552;
  // Presents are spaced at least this far apart; requests in between are gathered.
  static constexpr std::chrono::milliseconds kFrameInterval{16};
  // Posted by the animation timer's thread so the ticks run on the window's thread.
  static constexpr uint32_t kAnimationTickMessage = platform::WM_APP + 0x101;

  PaintManager();
  ~PaintManager() override;

  // Binds the manager to its window; `root` becomes the parent of the controls it creates.
  bool Init(platform::WindowId window, MObject* root);
  // Releases timers, controls, caches and the tooltip; only destruction follows.
  void DestroyData();
  bool IsInitialized() const { return initialized_; }
  platform::WindowId GetPaintWnd() const { return window_; }
  MObject* GetRoot() const { return root_; }

  // The window factory: the control gets this manager and goes to the controls (or areas) list.
  MControl* CreateControl(const wchar_t* class_name, unsigned id, CRect rect, const wchar_t* title,
                          int visible, int enabled);
  MControl* CreateArea(const wchar_t* class_name, unsigned id, CRect rect, const wchar_t* title,
                       int visible, int enabled);
  MControl* CreateControl(int list, const wchar_t* class_name, unsigned id, CRect rect,
                          const wchar_t* title, int visible, int enabled, MObject* parent);
  // Takes ownership of a control made elsewhere and attaches it.
  MControl* AddControl(MControl* control);
  MControl* AddArea(MControl* area);
  // Depth first: controls, then areas.
  MControl* GetControl(unsigned id);
  void RemoveControl(MControl* control);
  void ClearAllControls();
  void ClearAreaControls();
  void ClearControls();
  std::vector<MControl*>& GetControls() { return controls_; }
  // A control is going away: drop every reference the manager holds to it.
  void ForgetControl(MControl* control);

  // Repaint requests.
  long OnControlUpdate(CRect rect, int stale, MControl* control);
  void Invalidate();
  void InvalidateRect(CRect rect, int erase);
  CRect GetClientRect();
  CSize GetClientSize();
  CRect GetWindowRect();

  // Look.
  void SetBackColor(COLORREF back, COLORREF border);
  COLORREF GetBackColor() const { return back_colour_; }
  void SetLayeredWindow(int layered);
  int IsLayered() const { return layered_; }
  // Whole-window translucency: an alpha below 255 fades the whole window, and pixels of the
  // colour key become holes. Either makes the window presented with per-pixel alpha.
  static constexpr COLORREF kNoColorKey = 0xFFFFFF;
  void SetWindowAlpha(uint8_t alpha);
  uint8_t GetWindowAlpha() const { return window_alpha_; }
  void SetColorKey(COLORREF key);
  COLORREF GetColorKey() const { return colour_key_; }
  bool LoadBKImage(const std::wstring& name);
  void SetBackImage(std::shared_ptr<const platform::Image> image);
  void SetBackMode(enumBackMode mode, int border);
  void EnableWndDrag(int enable) { drag_enabled_ = enable; }
  Color GetDefaultEnabledColor() const { return disabled_text_colour_; }
  void SetDefaultEnabledColor(Color colour) { disabled_text_colour_ = colour; }
  void SetWindowMaxSize(int width, int height) { max_size_ = {width, height}; }
  void SetWindowMixSize(int width, int height) { min_size_ = {width, height}; }
  CSize GetWindowManSize() const { return max_size_; }
  CSize GetWindowMinSize() const { return min_size_; }
  unsigned GetScrollVID() const { return scroll_vertical_id_; }
  unsigned GetScrollHID() const { return scroll_horizontal_id_; }

  // Focus and mouse state.
  void SetFocusControl(MControl* control);
  MControl* GetFocusControl() const { return focus_; }
  // Records the focus control without telling anyone (the control did so itself).
  void RecordFocusControl(MControl* control) { focus_ = control; }
  MControl* GetHoverControl() const { return hover_; }
  MControl* GetNextFocusableControl();
  MControl* GetPrevFocusableControl();
  void SetCapture();
  void ReleaseCapture();
  bool IsCaptured() const { return captured_; }

  // Control window timers.
  bool SetTimer(MControl* control, unsigned key, unsigned milliseconds);
  bool KillTimer(MControl* control, unsigned key);
  void KillTimer(MControl* control);
  void ClearTimers();
  ControlTimers& GetControlTimers() { return control_timers_; }

  // The animation timer: it rests (no thread wakes) while no registered control runs its timer.
  unsigned SetMTimer(unsigned milliseconds);
  bool KillMTimer(unsigned id);
  unsigned GetMTimerID() const { return animation_timer_; }
  void AddMTimer(MControl* control);
  void DeleteFSTimer(MControl* control);
  void WakeAnimation();
  using RKTimer::OnMTimer;
  void OnMTimer(unsigned id) override;

  // Tooltip.
  void SetTooltip(const wchar_t* text, CRect at);
  void ShowControlTooltip(const std::wstring& text, CRect at, unsigned id);
  void ClearTooltip();
  int GetTooltipCtrlID() const { return tooltip_owner_; }
  void SetTooltipCtrlID(int id) { tooltip_owner_ = id; }
  Tooltip* GetToolTip() { return tooltip_.get(); }

  // Message overlay.
  void SetMessage(const std::wstring& text, CRect rect, MsgLevel level);
  void SetProgress(int percent, const std::wstring& text, CRect rect);
  const MessageOverlay& GetMessageOverlay() const { return overlay_; }

  // Caret of windowless edits.
  void CreateCaret(int width, int height);
  void SetCaretPos(MControlFont* owner, int x, int y);
  void ShowCaret(int show);
  MControlFont* GetCurrentCaretObject() const { return caret_.Owner(); }
  CRect GetCaretRect() const { return caret_.Rect(); }
  bool IsCaretShown() const { return caret_.IsShown(); }

  // Skin images of this window.
  std::shared_ptr<const ImgResInfo> AddImgResInfo(const wchar_t* name, int count);
  void ClearImgResInfo() { images_.Clear(); }
  // Font families of this window.
  std::wstring AddTempFont(const wchar_t* name, const wchar_t* path);
  std::wstring FindTempFont(const wchar_t* name) { return fonts_.FindTempFont(name ? name : L""); }
  void ClearTempFont() { fonts_.ClearTempFont(); }

  // Driven by the owning window. OnWindowMessage returns nonzero when the message is handled.
  long OnWindowMessage(uint32_t message, platform::WParam wparam, platform::LParam lparam);
  // Tab and Shift+Tab move the focus; true when the message was consumed.
  bool PreTranslateMessage(const platform::WindowMessage& message);

  // The modifier value controls receive with keys: 18 Alt, else 16 Shift, else 0; | 17 Ctrl.
  static unsigned ModifierValue(bool alt, bool shift, bool ctrl);

 private:
  void OnPaint();
  void Paint(const CRect& update);
  void DrawBackground(platform::Painter& painter, const CRect& client);
  bool IsTranslucent() const {
    return layered_ || window_alpha_ != 255 || colour_key_ != kNoColorKey;
  }
  // The back buffer with the window alpha and colour key applied.
  const platform::Image& TranslucentPicture();
  void ProcessUpdate(const CRect& rect, int stale, MControl* control);
  void ProcessPendingUpdates();
  void OnTimerMessage(uint64_t id);
  void OnAnimationTick();
  long OnMouseMove(unsigned flags, CPoint point);
  // The last visible, mouse-responsive top-level control containing the point.
  MControl* TopmostAt(CPoint point);
  long OnButtonDown(bool right, unsigned flags, CPoint point);
  long OnButtonUp(bool right, unsigned flags, CPoint point);
  long OnDoubleClick(bool right, unsigned flags, CPoint point);
  long OnWheel(platform::WParam wparam, platform::LParam lparam);
  void OnMouseLeave();
  void OnActivation(bool active);
  long OnKeyDown(unsigned virtual_key, platform::LParam flags);
  bool IsFocusable(MControl* control) const;
  bool OnUiThread() const { return std::this_thread::get_id() == ui_thread_; }

  platform::WindowId window_ = 0;
  MObject* root_ = nullptr;
  bool initialized_ = false;
  std::thread::id ui_thread_;

  COLORREF back_colour_ = RGB(9, 13, 19);
  COLORREF border_colour_ = RGB(16, 168, 253);
  int layered_ = 0;
  uint8_t window_alpha_ = 255;
  COLORREF colour_key_ = kNoColorKey;
  platform::Image translucent_buffer_;
  std::shared_ptr<const platform::Image> back_image_;
  enumBackMode back_mode_ = BackModeNatural;
  int back_border_ = 4;
  Color disabled_text_colour_{0x808080};
  unsigned scroll_vertical_id_ = 0;
  unsigned scroll_horizontal_id_ = 0;
  CSize max_size_;
  CSize min_size_;

  std::vector<MControl*> areas_;
  std::vector<MControl*> controls_;
  mutable std::recursive_mutex areas_lock_;
  mutable std::recursive_mutex controls_lock_;

  MControl* hover_ = nullptr;
  MControl* focus_ = nullptr;
  bool tracking_ = false;
  bool left_pressed_ = false;
  bool right_pressed_ = false;
  bool captured_ = false;
  int drag_enabled_ = 1;
  int tooltip_owner_ = -1;

  // Painting.
  platform::Image back_buffer_;
  CRect deferred_;
  bool frame_timer_armed_ = false;
  bool presented_ = false;
  std::chrono::nanoseconds last_present_{};
  struct PendingUpdate {
    CRect rect;
    int stale;
    MControl* control;
  };
  std::mutex pending_mutex_;
  std::vector<PendingUpdate> pending_;

  // Timers.
  ControlTimers control_timers_;
  std::atomic<unsigned> animation_timer_{0};
  std::atomic<bool> tick_posted_{false};
  std::recursive_mutex animated_lock_;
  std::vector<MControl*> animated_;

  std::unique_ptr<Tooltip> tooltip_;
  MessageOverlay overlay_;
  Caret caret_;
  ImageCache images_;
  FontCache fonts_;
};

}  // namespace LumoUI
