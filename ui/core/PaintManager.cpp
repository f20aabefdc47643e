#include "ui/core/PaintManager.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "ui/core/ControlFactory.h"
#include "ui/core/MControl.h"
#include "ui/core/MControlFont.h"
#include "ui/core/MRender.h"
#include "ui/core/Manager.h"

namespace LumoUI {
namespace {

platform::Windows& Windows() {
  return platform::Get<platform::Windows>();
}

// A control's top-level ancestor: the one in the manager's own lists.
MControl* TopLevelOf(MControl* control) {
  MControl* top = control;
  while (auto* parent = dynamic_cast<MControl*>(top->GetParantObject()))
    top = parent;
  return top;
}

CPoint ToCPoint(platform::LParam lparam) {
  const platform::Point p = platform::PointFromParam(lparam);
  return {p.x, p.y};
}

}  // namespace

PaintManager::PaintManager()
    : overlay_({[this](unsigned id, unsigned ms) { Windows().SetTimer(window_, id, ms); },
                [this](unsigned id) { Windows().KillTimer(window_, id); },
                [this](const CRect& rect) { InvalidateRect(rect, 0); }}) {}

PaintManager::~PaintManager() {
  DestroyData();
}

bool PaintManager::Init(platform::WindowId window, MObject* root) {
  if (!window || !Windows().IsWindow(window)) return false;
  window_ = window;
  root_ = root;
  ui_thread_ = std::this_thread::get_id();
  control_timers_.SetWindow(window);
  scroll_vertical_id_ = 102;
  scroll_horizontal_id_ = 101;
  initialized_ = true;
  return true;
}

void PaintManager::DestroyData() {
  // Timers first: an animation tick must not reach controls being deleted.
  RKTimer::KillTimer();
  animation_timer_ = 0;
  {
    std::lock_guard lock(animated_lock_);
    animated_.clear();
  }
  control_timers_.Clear();
  ClearAllControls();
  tooltip_.reset();
  images_.Clear();
  fonts_.ClearTempFont();
  back_image_.reset();
  initialized_ = false;
}

// --- children ---

MControl* PaintManager::CreateControl(const wchar_t* class_name, unsigned id, CRect rect,
                                      const wchar_t* title, int visible, int enabled) {
  return CreateControl(MControl::kControls, class_name, id, rect, title, visible, enabled, root_);
}

MControl* PaintManager::CreateArea(const wchar_t* class_name, unsigned id, CRect rect,
                                   const wchar_t* title, int visible, int enabled) {
  return CreateControl(MControl::kAreas, class_name, id, rect, title, visible, enabled, root_);
}

MControl* PaintManager::CreateControl(int list, const wchar_t* class_name, unsigned id, CRect rect,
                                      const wchar_t* title, int visible, int enabled,
                                      MObject* parent) {
  // A list selector other than areas or controls would leave the new object owned by nobody.
  if (list != MControl::kAreas && list != MControl::kControls) return nullptr;
  MControl* control = ControlFactory::Make(ControlFactory::Owner::Window, class_name, parent, id,
                                           rect, title, visible, enabled);
  if (!control) return nullptr;
  return list == MControl::kAreas ? AddArea(control) : AddControl(control);
}

MControl* PaintManager::AddControl(MControl* control) {
  if (!control) return nullptr;
  control->SetManager(this);
  std::lock_guard lock(controls_lock_);
  controls_.push_back(control);
  return control;
}

MControl* PaintManager::AddArea(MControl* area) {
  if (!area) return nullptr;
  area->SetManager(this);
  std::lock_guard lock(areas_lock_);
  areas_.push_back(area);
  return area;
}

MControl* PaintManager::GetControl(unsigned id) {
  const auto search = [id](std::recursive_mutex& mutex, std::vector<MControl*>& list) -> MControl* {
    std::lock_guard lock(mutex);
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i]->GetControlID() == id) return list[i];
      if (MControl* found = list[i]->GetControl(id)) return found;
    }
    return nullptr;
  };
  if (MControl* found = search(controls_lock_, controls_)) return found;
  return search(areas_lock_, areas_);
}

void PaintManager::RemoveControl(MControl* control) {
  if (!control) return;
  if (focus_ == control) {
    control->SetControlFocus(0);
    focus_ = nullptr;
  }
  bool owned = false;
  {
    std::scoped_lock lock(areas_lock_, controls_lock_);
    for (auto* list : {&controls_, &areas_}) {
      auto it = std::find(list->begin(), list->end(), control);
      if (it != list->end()) {
        list->erase(it);
        owned = true;
        break;
      }
    }
  }
  if (owned) delete control;
}

void PaintManager::ClearAreaControls() {
  std::vector<MControl*> areas;
  {
    std::lock_guard lock(areas_lock_);
    areas.swap(areas_);
  }
  for (MControl* area : areas)
    delete area;
}

void PaintManager::ClearControls() {
  std::vector<MControl*> controls;
  {
    std::lock_guard lock(controls_lock_);
    controls.swap(controls_);
  }
  for (MControl* control : controls)
    delete control;
}

void PaintManager::ClearAllControls() {
  ClearAreaControls();
  ClearControls();
}

void PaintManager::ForgetControl(MControl* control) {
  if (hover_ == control) hover_ = nullptr;
  if (focus_ == control) focus_ = nullptr;
  if (static_cast<MControl*>(caret_.Owner()) == control) caret_.Forget();
  DeleteFSTimer(control);
  control_timers_.KillAll(control);
  std::lock_guard lock(pending_mutex_);
  std::erase_if(pending_, [control](const PendingUpdate& u) { return u.control == control; });
}

// --- repaint requests ---

long PaintManager::OnControlUpdate(CRect rect, int stale, MControl* control) {
  if (!initialized_) return 0;
  if (OnUiThread()) {
    ProcessUpdate(rect, stale, control);
  } else {
    // Other threads only record the request: the lists are walked on the window's thread.
    {
      std::lock_guard lock(pending_mutex_);
      pending_.push_back({rect, stale, control});
    }
    InvalidateRect(rect, 0);
  }
  return 0;
}

void PaintManager::ProcessUpdate(const CRect& rect, int stale, MControl* control) {
  CRect area = rect;
  if (control) {
    if (stale) control->SetUpdate(0, back_colour_);
    // Whatever is drawn after the changed control and overlaps it is redrawn with it.
    MControl* top = TopLevelOf(control);
    std::scoped_lock lock(areas_lock_, controls_lock_);
    bool above = false;
    for (auto* list : {&areas_, &controls_}) {
      for (size_t i = 0; i < list->size(); ++i) {
        MControl* other = (*list)[i];
        if (above && other->IsVisible() && other->GetRect().Meets(rect)) {
          other->SetUpdate(0, back_colour_);
          area = area.Union(other->GetRect());
        }
        if (other == top) above = true;
      }
    }
  }
  InvalidateRect(area, 0);
}

void PaintManager::ProcessPendingUpdates() {
  std::vector<PendingUpdate> pending;
  {
    std::lock_guard lock(pending_mutex_);
    pending.swap(pending_);
  }
  for (const PendingUpdate& u : pending)
    ProcessUpdate(u.rect, u.stale, u.control);
}

void PaintManager::Invalidate() {
  if (window_) Windows().Invalidate(window_, nullptr);
}

void PaintManager::InvalidateRect(CRect rect, int) {
  if (!window_) return;
  // A window with per-pixel alpha is always presented whole.
  if (IsTranslucent()) {
    Windows().Invalidate(window_, nullptr);
  } else {
    const platform::Rect r = rect.ToPlatform();
    Windows().Invalidate(window_, &r);
  }
}

CRect PaintManager::GetClientRect() {
  return CRect(Windows().GetClientRect(window_));
}

CSize PaintManager::GetClientSize() {
  const CRect client = GetClientRect();
  return {client.Width(), client.Height()};
}

CRect PaintManager::GetWindowRect() {
  return CRect(Windows().GetWindowRect(window_));
}

// --- look ---

void PaintManager::SetBackColor(COLORREF back, COLORREF border) {
  back_colour_ = back;
  border_colour_ = border;
  Invalidate();
}

void PaintManager::SetWindowAlpha(uint8_t alpha) {
  window_alpha_ = alpha;
  Invalidate();
}

void PaintManager::SetColorKey(COLORREF key) {
  colour_key_ = key & 0xFFFFFF;
  Invalidate();
}

void PaintManager::SetLayeredWindow(int layered) {
  layered_ = layered;
  Invalidate();
}

bool PaintManager::LoadBKImage(const std::wstring& name) {
  auto info = images_.Get(name, 1);
  if (!info) return false;
  SetBackImage(info->image);
  return true;
}

void PaintManager::SetBackImage(std::shared_ptr<const platform::Image> image) {
  back_image_ = std::move(image);
  Invalidate();
}

void PaintManager::SetBackMode(enumBackMode mode, int border) {
  back_mode_ = mode;
  back_border_ = border;
  Invalidate();
}

// --- painting ---

void PaintManager::OnPaint() {
  auto& windows = Windows();
  // Requests recorded by other threads are widened first, so this paint covers them whole.
  ProcessPendingUpdates();
  const platform::Rect update = windows.BeginPaint(window_);
  if (windows.IsMinimized(window_)) return;
  deferred_ = deferred_.Union(CRect(update));
  if (deferred_.IsRectEmpty()) return;

  // At most one present per frame: an early paint is put off, never slept through.
  const auto now = platform::Get<platform::Clock>().Now();
  if (presented_ && now - last_present_ < kFrameInterval) {
    if (!frame_timer_armed_) {
      const auto wait =
          std::chrono::ceil<std::chrono::milliseconds>(kFrameInterval - (now - last_present_));
      frame_timer_armed_ = windows.SetTimer(
          window_, kFrameTimer, static_cast<unsigned>(std::max<int64_t>(1, wait.count())));
    }
    return;
  }
  const CRect paint_rect = deferred_;
  deferred_ = CRect();
  Paint(paint_rect);
  presented_ = true;
  last_present_ = now;
}

void PaintManager::Paint(const CRect& update) {
  const CRect client = GetClientRect();
  if (client.IsRectEmpty()) return;
  if (back_buffer_.Width() != client.Width() || back_buffer_.Height() != client.Height()) {
    back_buffer_ = platform::Image(client.Width(), client.Height());
  }
  const CRect clip = IsTranslucent() ? client : update.Intersect(client);
  if (clip.IsRectEmpty()) return;
  {
    platform::Painter painter(back_buffer_);
    painter.ClipTo(clip.ToPlatform());
    painter.ClearRect(clip.ToPlatform(), 0);
    DrawBackground(painter, client);
    {
      std::lock_guard lock(areas_lock_);
      for (size_t i = 0; i < areas_.size(); ++i)
        areas_[i]->Draw(painter, clip);
    }
    {
      std::lock_guard lock(controls_lock_);
      for (size_t i = 0; i < controls_.size(); ++i)
        controls_[i]->Draw(painter, clip);
    }
    MControlFont* owner = caret_.Owner();
    const bool focused = owner && owner->IsFocused() && Windows().GetFocus() == window_;
    if (caret_.IsShown() && !focused) {
      // Nobody to type into: the caret stops blinking until it is shown again.
      Windows().KillTimer(window_, kCaretTimer);
      caret_.SetShown(false);
    }
    caret_.Draw(painter, focused);
    overlay_.Draw(painter, Manager::GetFontName());
  }
  if (window_alpha_ != 255 || colour_key_ != kNoColorKey) {
    Windows().Present(window_, TranslucentPicture(), clip.ToPlatform(), true);
  } else {
    Windows().Present(window_, back_buffer_, clip.ToPlatform(), layered_ != 0);
  }
}

const platform::Image& PaintManager::TranslucentPicture() {
  if (translucent_buffer_.Width() != back_buffer_.Width() ||
      translucent_buffer_.Height() != back_buffer_.Height()) {
    translucent_buffer_ = platform::Image(back_buffer_.Width(), back_buffer_.Height());
  }
  const bool keyed = colour_key_ != kNoColorKey;
  const uint32_t key = ArgbFromColorRef(colour_key_, 0) & 0xFFFFFF;
  const uint32_t alpha = window_alpha_;
  for (int y = 0; y < back_buffer_.Height(); ++y) {
    const uint32_t* in = back_buffer_.Row(y);
    uint32_t* out = translucent_buffer_.Row(y);
    for (int x = 0; x < back_buffer_.Width(); ++x) {
      if (keyed && (back_buffer_.Pixel(x, y) & 0xFFFFFF) == key) {
        out[x] = 0;
        continue;
      }
      // Pixels are premultiplied, so every channel scales alike.
      uint32_t pixel = 0;
      for (int shift = 0; shift < 32; shift += 8)
        pixel |= ((((in[x] >> shift) & 0xFF) * alpha + 127) / 255) << shift;
      out[x] = pixel;
    }
  }
  return translucent_buffer_;
}

void PaintManager::DrawBackground(platform::Painter& painter, const CRect& client) {
  if (back_image_ && !back_image_->IsEmpty()) {
    const platform::Image& image = *back_image_;
    if (back_mode_ == BackModeNinePart) {
      MRender::DrawImageFrame(painter, image, client, 0, 0, image.Width(), image.Height(),
                              back_border_);
    } else {
      const platform::Rect natural{0, 0, image.Width(), image.Height()};
      painter.DrawImage(image, natural, natural);
    }
    return;
  }
  painter.FillRect(client.ToPlatform(), ArgbFromColorRef(border_colour_, 0xFE));
  painter.FillRect(client.Deflate(1).ToPlatform(), ArgbFromColorRef(back_colour_, 0xFE));
}

// --- focus ---

bool PaintManager::IsFocusable(MControl* control) const {
  return control->IsVisible() && control->IsEnabled() && control->IsTabStop();
}

void PaintManager::SetFocusControl(MControl* control) {
  MControl* old = focus_;
  if (old == control) return;
  if (old) old->SetControlFocus(0);
  focus_ = control;
  if (control) control->SetControlFocus(1);
}

MControl* PaintManager::GetNextFocusableControl() {
  std::lock_guard lock(controls_lock_);
  const size_t count = controls_.size();
  if (count == 0) return nullptr;
  const auto current = std::find(controls_.begin(), controls_.end(), focus_);
  const size_t start = current == controls_.end() ? count - 1 : current - controls_.begin();
  for (size_t step = 1; step <= count; ++step) {
    MControl* candidate = controls_[(start + step) % count];
    if (IsFocusable(candidate)) return candidate;
  }
  return nullptr;
}

MControl* PaintManager::GetPrevFocusableControl() {
  std::lock_guard lock(controls_lock_);
  const size_t count = controls_.size();
  if (count == 0) return nullptr;
  const auto current = std::find(controls_.begin(), controls_.end(), focus_);
  const size_t start = current == controls_.end() ? 0 : current - controls_.begin();
  for (size_t step = 1; step <= count; ++step) {
    MControl* candidate = controls_[(start + count - step) % count];
    if (IsFocusable(candidate)) return candidate;
  }
  return nullptr;
}

void PaintManager::SetCapture() {
  captured_ = Windows().SetCapture(window_);
}

void PaintManager::ReleaseCapture() {
  if (captured_) Windows().ReleaseCapture();
  captured_ = false;
}

// --- control window timers ---

bool PaintManager::SetTimer(MControl* control, unsigned key, unsigned milliseconds) {
  return control_timers_.Set(control, key, milliseconds);
}

bool PaintManager::KillTimer(MControl* control, unsigned key) {
  return control_timers_.Kill(control, key);
}

void PaintManager::KillTimer(MControl* control) {
  control_timers_.KillAll(control);
}

void PaintManager::ClearTimers() {
  control_timers_.Clear();
}

// --- animation timer ---

unsigned PaintManager::SetMTimer(unsigned milliseconds) {
  if (const unsigned old = animation_timer_.exchange(0)) RKTimer::KillTimer(old);
  const unsigned id = RKTimer::SetTimer(milliseconds, L"animation", 0);
  if (!id) return 0;
  animation_timer_ = id;
  SuspendTimer(id);  // rests until a registered control runs its timer
  WakeAnimation();
  return id;
}

bool PaintManager::KillMTimer(unsigned id) {
  if (!id) return false;
  if (animation_timer_ == id) animation_timer_ = 0;
  const bool known = GetTimerIsRun(id) || !GetTimerName(id).empty();
  RKTimer::KillTimer(id);
  return known;
}

void PaintManager::AddMTimer(MControl* control) {
  if (!control) return;
  {
    std::lock_guard lock(animated_lock_);
    if (std::find(animated_.begin(), animated_.end(), control) == animated_.end()) {
      animated_.push_back(control);
    }
  }
  WakeAnimation();
}

void PaintManager::DeleteFSTimer(MControl* control) {
  std::lock_guard lock(animated_lock_);
  std::erase(animated_, control);
}

void PaintManager::WakeAnimation() {
  const unsigned id = animation_timer_;
  if (!id) return;
  std::lock_guard lock(animated_lock_);
  const bool wanted =
      std::any_of(animated_.begin(), animated_.end(), [](MControl* c) { return c->IsRunTimer(); });
  if (wanted) ResumeTimer(id);
}

void PaintManager::OnMTimer(unsigned id) {
  // The timer's own thread: hand the tick to the window's thread, at most one at a time, so
  // controls are only ever touched where they are painted.
  if (id != animation_timer_ || tick_posted_.exchange(true)) return;
  if (!Windows().Post(window_, kAnimationTickMessage, id, 0)) tick_posted_ = false;
}

void PaintManager::OnAnimationTick() {
  tick_posted_ = false;
  bool any_running = false;
  {
    std::lock_guard lock(animated_lock_);
    for (size_t i = 0; i < animated_.size(); ++i) {
      MControl* control = animated_[i];
      if (!control->IsRunTimer()) continue;
      any_running = true;
      if (control->IsVisible() && control->IsParentVisible()) control->OnTimer();
    }
  }
  if (!any_running && animation_timer_) SuspendTimer(animation_timer_);
}

// --- tooltip ---

void PaintManager::SetTooltip(const wchar_t* text, CRect at) {
  if (!window_ || !text || !*text) {
    ClearTooltip();
    return;
  }
  if (!tooltip_) tooltip_ = std::make_unique<Tooltip>(window_);
  tooltip_->Show(text, at);
}

void PaintManager::ShowControlTooltip(const std::wstring& text, CRect at, unsigned id) {
  SetTooltip(text.c_str(), at);
  tooltip_owner_ = static_cast<int>(id);
}

void PaintManager::ClearTooltip() {
  if (tooltip_) tooltip_->Hide();
  tooltip_owner_ = -1;
}

// --- message overlay ---

void PaintManager::SetMessage(const std::wstring& text, CRect rect, MsgLevel level) {
  overlay_.SetMessage(text, rect, level);
}

void PaintManager::SetProgress(int percent, const std::wstring& text, CRect rect) {
  overlay_.SetProgress(percent, text, rect, GetClientRect());
}

// --- caret ---

void PaintManager::CreateCaret(int width, int height) {
  caret_.Create(width, height);
}

void PaintManager::SetCaretPos(MControlFont* owner, int x, int y) {
  const CRect old = caret_.Move(owner, x, y);
  InvalidateRect(old, 0);
  InvalidateRect(caret_.Rect(), 0);
}

void PaintManager::ShowCaret(int show) {
  caret_.SetShown(show != 0);
  if (show) {
    Windows().SetTimer(window_, kCaretTimer, Windows().CaretBlinkMs());
  } else {
    Windows().KillTimer(window_, kCaretTimer);
  }
  InvalidateRect(caret_.Rect(), 0);
}

// --- images ---

std::wstring PaintManager::AddTempFont(const wchar_t* name, const wchar_t* path) {
  if (!path || !*path) return {};
  return fonts_.AddTempFont(name ? name : L"", platform::FromWindowsName(path));
}

std::shared_ptr<const ImgResInfo> PaintManager::AddImgResInfo(const wchar_t* name, int count) {
  return name ? images_.Get(name, count) : nullptr;
}

// --- messages ---

long PaintManager::OnWindowMessage(uint32_t message, platform::WParam wparam,
                                   platform::LParam lparam) {
  if (!initialized_) return 0;
  {
    // Controls that own native windows see every message first.
    std::lock_guard lock(controls_lock_);
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i]->OnWindowMessage(message, wparam, lparam)) return 0;
    }
  }
  const unsigned flags = static_cast<unsigned>(wparam);
  switch (message) {
    case platform::WM_PAINT:
      OnPaint();
      return 1;
    case platform::WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<platform::MinMaxInfo*>(lparam);
      if (!info) return 1;
      if (min_size_.cx > 0) info->min_track_size.x = min_size_.cx;
      if (min_size_.cy > 0) info->min_track_size.y = min_size_.cy;
      if (max_size_.cx > 0) info->max_track_size.x = info->max_size.x = max_size_.cx;
      if (max_size_.cy > 0) info->max_track_size.y = info->max_size.y = max_size_.cy;
      return 1;
    }
    case platform::WM_CREATE:
    case platform::WM_DESTROY:
    case platform::WM_SIZE:
    case platform::WM_MOUSEHOVER:
    case platform::WM_KEYUP:
    case platform::WM_SYSKEYUP:
      return 1;
    case platform::WM_NCDESTROY:
      DestroyData();
      return 1;
    case platform::WM_NCACTIVATE:
      OnActivation(wparam != 0);
      return 0;
    case platform::WM_KEYDOWN:
    case platform::WM_SYSKEYDOWN:
      return OnKeyDown(static_cast<unsigned>(wparam), lparam);
    case platform::WM_CHAR:
      // Typing reaches the focus control: windowless edits take it there.
      if (focus_ && focus_->IsVisible()) focus_->OnControlChar(static_cast<wchar_t>(wparam));
      return 1;
    case platform::WM_TIMER:
      OnTimerMessage(wparam);
      return 1;
    case kAnimationTickMessage:
      OnAnimationTick();
      return 1;
    case platform::WM_MOUSEMOVE:
      return OnMouseMove(flags, ToCPoint(lparam));
    case platform::WM_LBUTTONDOWN:
      return OnButtonDown(false, flags, ToCPoint(lparam));
    case platform::WM_RBUTTONDOWN:
      return OnButtonDown(true, flags, ToCPoint(lparam));
    case platform::WM_LBUTTONUP:
      return OnButtonUp(false, flags, ToCPoint(lparam));
    case platform::WM_RBUTTONUP:
      return OnButtonUp(true, flags, ToCPoint(lparam));
    case platform::WM_LBUTTONDBLCLK:
      return OnDoubleClick(false, flags, ToCPoint(lparam));
    case platform::WM_RBUTTONDBLCLK:
      return OnDoubleClick(true, flags, ToCPoint(lparam));
    case platform::WM_MOUSEWHEEL:
      return OnWheel(wparam, lparam);
    case platform::WM_MOUSELEAVE:
      OnMouseLeave();
      return 1;
    default:
      return 0;
  }
}

void PaintManager::OnTimerMessage(uint64_t id) {
  if (id == kFrameTimer) {
    Windows().KillTimer(window_, kFrameTimer);
    frame_timer_armed_ = false;
    const platform::Rect deferred = deferred_.ToPlatform();
    if (!deferred.IsEmpty()) Windows().Invalidate(window_, &deferred);
    return;
  }
  if (id == kCaretTimer) {
    caret_.Toggle();
    InvalidateRect(caret_.Rect(), 0);
    return;
  }
  if (id <= 0xFFFFFFFFu && overlay_.OnTimer(static_cast<unsigned>(id))) return;
  if (MControl* control = control_timers_.ControlFor(id)) control->OnTimer();
}

long PaintManager::OnMouseMove(unsigned flags, CPoint point) {
  if (!tracking_) {
    tracking_ = Windows().TrackMouseLeave(window_);
    if (!tracking_) return 0;
  }
  MControl* hover = hover_;
  // The hover control keeps the mouse to itself only while nothing drawn in front of it takes
  // the point: where two controls overlap, the one on top gets the mouse.
  if (hover && hover == TopmostAt(point) && hover->OnCheckMouseResponse(flags, point)) {
    hover->OnMouseMove(flags, point);
    return 0;
  }
  ClearTooltip();
  if (left_pressed_ || right_pressed_) {
    // A drag that started on a control stays with it.
    if (hover) hover->OnMouseMove(flags, point);
    return 0;
  }
  MControl* found = nullptr;
  {
    std::lock_guard lock(controls_lock_);
    for (size_t i = 0; i < controls_.size(); ++i) {
      MControl* control = controls_[i];
      control->OnMouseMove(flags, point);
      if (control->IsVisible() && control->GetRresponse() && control->PtInRect(point)) {
        found = control;
      }
    }
  }
  hover_ = found;
  return 0;
}

MControl* PaintManager::TopmostAt(CPoint point) {
  std::lock_guard lock(controls_lock_);
  for (size_t i = controls_.size(); i-- > 0;) {
    MControl* control = controls_[i];
    if (control->IsVisible() && control->GetRresponse() && control->PtInRect(point)) {
      return control;
    }
  }
  return nullptr;
}

long PaintManager::OnButtonDown(bool right, unsigned flags, CPoint point) {
  if (focus_ && focus_ != hover_) {
    MControl* old = focus_;
    focus_ = nullptr;
    old->SetControlFocus(0);
  }
  MControl* hover = hover_;
  if (hover && hover->IsVisible() && hover->GetRresponse() && hover->PtInRect(point) &&
      hover->OnCheckMouseResponse(flags, point)) {
    // The control takes the focus itself as the press reaches it, so it hears SetControlFocus(1).
    (right ? right_pressed_ : left_pressed_) = true;
    SetCapture();
    if (right) {
      hover->OnRButtonDown(flags, point);
    } else {
      hover->OnLButtonDown(flags, point);
    }
    return 0;
  }
  // A press on no control: with window dragging on, it moves the window like a caption would.
  if (!right && drag_enabled_) {
    ReleaseCapture();
    Windows().BeginMoveDrag(window_);
  }
  return 0;
}

long PaintManager::OnButtonUp(bool right, unsigned flags, CPoint point) {
  ReleaseCapture();
  (right ? right_pressed_ : left_pressed_) = false;
  MControl* hover = hover_;
  if (!hover || !hover->IsVisible() || !hover->GetRresponse()) return 0;
  if (right) {
    hover->OnRButtonUp(flags, point);
  } else {
    hover->OnLButtonUp(flags, point);
  }
  if (hover_ == hover && !hover->PtInRect(point)) hover_ = nullptr;
  return 0;
}

long PaintManager::OnDoubleClick(bool right, unsigned flags, CPoint point) {
  MControl* hover = hover_;
  if (!hover) return 0;
  if (right) {
    hover->OnRButtonDblClk(flags, point);
  } else {
    hover->OnLButtonDblClk(flags, point);
  }
  if (hover_ == hover && !hover->PtInRect(point)) hover_ = nullptr;
  return 0;
}

long PaintManager::OnWheel(platform::WParam wparam, platform::LParam lparam) {
  const platform::Point screen = platform::PointFromParam(lparam);
  const platform::Point client = Windows().ScreenToClient(window_, screen);
  const CPoint point{client.x, client.y};
  const int quotient = platform::WheelDeltaFromParam(wparam) / platform::WHEEL_DELTA;
  const unsigned down = quotient <= 0;
  bool taken = false;
  for (int notch = 0; notch < std::abs(quotient); ++notch) {
    if (hover_ && hover_->OnScroll(1, down, point)) {
      taken = true;
      continue;
    }
    std::lock_guard lock(controls_lock_);
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i]->OnScroll(1, down, point)) {
        taken = true;
        break;
      }
    }
  }
  return taken;
}

void PaintManager::OnMouseLeave() {
  ClearTooltip();
  tracking_ = false;
  if (left_pressed_ || right_pressed_) return;
  if (MControl* hover = hover_) {
    hover_ = nullptr;
    hover->OnMouseMove(0, {-1, -1});
  }
}

void PaintManager::OnActivation(bool active) {
  if (!active) {
    tracking_ = false;
    ReleaseCapture();
    MControl* hover = hover_;
    hover_ = nullptr;
    if (hover) {
      // A button held while the window lost activation is let go where nothing is.
      if (left_pressed_) {
        hover->OnLButtonUp(0, {-1, -1});
      } else if (right_pressed_) {
        hover->OnRButtonUp(0, {-1, -1});
      } else {
        hover->OnMouseMove(0, {-1, -1});
      }
    }
    left_pressed_ = right_pressed_ = false;
  }
  Invalidate();
}

unsigned PaintManager::ModifierValue(bool alt, bool shift, bool ctrl) {
  unsigned value = alt ? 18 : shift ? 16 : 0;
  if (ctrl) value |= 17;
  return value;
}

long PaintManager::OnKeyDown(unsigned virtual_key, platform::LParam flags) {
  // Shift and Ctrl as the message says they were held when the key went down.
  const unsigned modifiers =
      ModifierValue(Windows().IsKeyDown(platform::VK_MENU), (flags & platform::KEY_SHIFT_HELD) != 0,
                    (flags & platform::KEY_CONTROL_HELD) != 0);
  if (hover_ && hover_->OnKeyDown(virtual_key, 1, modifiers)) return 1;
  std::lock_guard lock(controls_lock_);
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->OnKeyDown(virtual_key, 1, modifiers)) return 1;
  }
  return 0;
}

bool PaintManager::PreTranslateMessage(const platform::WindowMessage& message) {
  if (message.window != window_ || !initialized_) return false;
  if ((message.message != platform::WM_KEYDOWN && message.message != platform::WM_SYSKEYDOWN) ||
      message.wparam != platform::VK_TAB) {
    return false;
  }
  auto& windows = Windows();
  if (windows.IsKeyDown(platform::VK_CONTROL) || windows.IsKeyDown(platform::VK_MENU)) {
    return false;
  }
  MControl* next =
      windows.IsKeyDown(platform::VK_SHIFT) ? GetPrevFocusableControl() : GetNextFocusableControl();
  if (!next || next == focus_) return false;
  SetFocusControl(next);
  return true;
}

}  // namespace LumoUI
