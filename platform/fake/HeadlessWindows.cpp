#include "platform/fake/HeadlessWindows.h"

#include <cstdlib>

#include "platform/Backend.h"
#include "platform/Clock.h"

namespace platform {
namespace {

// A runaway message loop in a test should fail the test, not hang it.
constexpr int kMaxMessagesPerPump = 1000000;

Clock::Duration Now() {
  return Get<Clock>().Now();
}

uint32_t DownMessage(HeadlessWindows::Button button) {
  switch (button) {
    case HeadlessWindows::Button::Right:
      return WM_RBUTTONDOWN;
    case HeadlessWindows::Button::Middle:
      return WM_MBUTTONDOWN;
    case HeadlessWindows::Button::Left:
      break;
  }
  return WM_LBUTTONDOWN;
}

WParam ButtonFlag(HeadlessWindows::Button button) {
  switch (button) {
    case HeadlessWindows::Button::Right:
      return MK_RBUTTON;
    case HeadlessWindows::Button::Middle:
      return MK_MBUTTON;
    case HeadlessWindows::Button::Left:
      break;
  }
  return MK_LBUTTON;
}

}  // namespace

HeadlessWindows::Window* HeadlessWindows::Find(WindowId window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandler* HeadlessWindows::HandlerOf(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->params.handler : nullptr;
}

void HeadlessWindows::PostLocked(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  Window* w = Find(window);
  if (!w) return;
  queues_[w->thread].posted.push_back({window, message, wparam, lparam});
  changed_.notify_all();
}

void HeadlessWindows::InvalidateLocked(Window& window, const Rect& rect) {
  const Rect client{0, 0, window.rect.Width(), window.rect.Height()};
  window.update = window.update.Union(rect.Intersect(client));
  changed_.notify_all();
}

WParam HeadlessWindows::KeyStateLocked() const {
  WParam state = buttons_;
  if (keys_.contains(VK_SHIFT)) state |= MK_SHIFT;
  if (keys_.contains(VK_CONTROL)) state |= MK_CONTROL;
  return state;
}

// --- injected input ---

void HeadlessWindows::MoveMouse(WindowId window, Point point) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return;
  const Point screen{w->rect.left + point.x, w->rect.top + point.y};
  pointer_ = screen;
  if (drag_.window) {
    if (Window* dragged = Find(drag_.window)) {
      const int dx = screen.x - drag_.start.x, dy = screen.y - drag_.start.y;
      dragged->rect = {drag_.start_rect.left + dx, drag_.start_rect.top + dy,
                       drag_.start_rect.right + dx, drag_.start_rect.bottom + dy};
    }
    return;
  }
  if (pointer_window_ != window) {
    Window* old = Find(pointer_window_);
    if (old && old->tracking_leave && capture_ != pointer_window_) {
      old->tracking_leave = false;
      PostLocked(pointer_window_, WM_MOUSELEAVE, 0, 0);
    }
    pointer_window_ = window;
  }
  const WindowId target = Find(capture_) ? capture_ : window;
  const Window* t = Find(target);
  PostLocked(target, WM_MOUSEMOVE, KeyStateLocked(),
             MakePointParam(screen.x - t->rect.left, screen.y - t->rect.top));
}

void HeadlessWindows::PressButton(WindowId window, Button button, Point point) {
  const auto now = Now();
  bool moved = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return;
    moved = pointer_ != Point{w->rect.left + point.x, w->rect.top + point.y} ||
            pointer_window_ != window;
  }
  if (moved) MoveMouse(window, point);

  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return;
  buttons_ |= ButtonFlag(button);
  const WindowId target = Find(capture_) ? capture_ : window;
  Window* t = Find(target);
  const Point local{pointer_.x - t->rect.left, pointer_.y - t->rect.top};
  uint32_t message = DownMessage(button);
  const bool double_click = last_press_.valid && last_press_.window == target &&
                            last_press_.button == button &&
                            now - last_press_.time <= std::chrono::milliseconds(kDoubleClickMs) &&
                            std::abs(local.x - last_press_.point.x) <= kDoubleClickSlop &&
                            std::abs(local.y - last_press_.point.y) <= kDoubleClickSlop &&
                            (t->params.class_style & CS_DBLCLKS) != 0;
  if (double_click) {
    message += 2;  // the DBLCLK message follows the UP message of each button
    last_press_.valid = false;
  } else {
    last_press_ = {target, button, local, now, true};
  }
  PostLocked(target, message, KeyStateLocked(), MakePointParam(local.x, local.y));
}

void HeadlessWindows::ReleaseButton(WindowId window, Button button, Point point) {
  bool moved = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return;
    // During a caption drag the window moves under the pointer: the release stays where it is.
    moved = !drag_.window && pointer_ != Point{w->rect.left + point.x, w->rect.top + point.y};
  }
  if (moved) MoveMouse(window, point);

  std::lock_guard lock(mutex_);
  buttons_ &= ~ButtonFlag(button);
  if (drag_.window && button == Button::Left) {
    drag_ = {};  // the system's move loop swallows the release
    return;
  }
  const WindowId target = Find(capture_) ? capture_ : window;
  Window* t = Find(target);
  if (!t) return;
  PostLocked(target, DownMessage(button) + 1, KeyStateLocked(),
             MakePointParam(pointer_.x - t->rect.left, pointer_.y - t->rect.top));
}

void HeadlessWindows::Click(WindowId window, Point point, Button button) {
  PressButton(window, button, point);
  ReleaseButton(window, button, point);
}

void HeadlessWindows::Wheel(WindowId window, Point point, int delta) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return;
  // Wheel messages carry screen coordinates.
  PostLocked(window, WM_MOUSEWHEEL, MakeWheelParam(delta, KeyStateLocked()),
             MakePointParam(w->rect.left + point.x, w->rect.top + point.y));
}

void HeadlessWindows::LeaveWindows() {
  std::lock_guard lock(mutex_);
  Window* old = Find(pointer_window_);
  if (old && old->tracking_leave) {
    old->tracking_leave = false;
    PostLocked(pointer_window_, WM_MOUSELEAVE, 0, 0);
  }
  pointer_window_ = 0;
  pointer_ = {-32000, -32000};
}

LParam HeadlessWindows::KeyParamLocked() const {
  LParam param = 1;
  if (keys_.contains(VK_SHIFT)) param |= KEY_SHIFT_HELD;
  if (keys_.contains(VK_CONTROL)) param |= KEY_CONTROL_HELD;
  return param;
}

WindowId HeadlessWindows::KeyTargetLocked() {
  return Find(focus_) ? focus_ : active_;
}

void HeadlessWindows::PressKey(uint32_t virtual_key) {
  std::lock_guard lock(mutex_);
  const bool alt = keys_.contains(VK_MENU) || virtual_key == VK_MENU;
  keys_.insert(virtual_key);
  PostLocked(KeyTargetLocked(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtual_key, KeyParamLocked());
}

void HeadlessWindows::ReleaseKey(uint32_t virtual_key) {
  std::lock_guard lock(mutex_);
  const bool alt = keys_.contains(VK_MENU);
  keys_.erase(virtual_key);
  PostLocked(KeyTargetLocked(), alt ? WM_SYSKEYUP : WM_KEYUP, virtual_key, KeyParamLocked());
}

void HeadlessWindows::TypeText(const std::wstring& text) {
  std::lock_guard lock(mutex_);
  for (wchar_t character : text)
    PostLocked(KeyTargetLocked(), WM_CHAR, static_cast<WParam>(character), 1);
}

bool HeadlessWindows::SetClipboardText(const std::wstring& text) {
  std::lock_guard lock(mutex_);
  clipboard_ = text;
  return true;
}

std::wstring HeadlessWindows::GetClipboardText() {
  std::lock_guard lock(mutex_);
  return clipboard_;
}

void HeadlessWindows::TypeKey(uint32_t virtual_key) {
  PressKey(virtual_key);
  ReleaseKey(virtual_key);
}

int HeadlessWindows::PumpUntilIdle() {
  int count = 0;
  WindowMessage message;
  while (count < kMaxMessagesPerPump && PeekMessage(message)) {
    if (message.message != WM_QUIT) Dispatch(message);
    ++count;
  }
  return count;
}

void HeadlessWindows::Wake() {
  std::lock_guard lock(mutex_);
  changed_.notify_all();
}

// --- inspection ---

Image HeadlessWindows::Surface(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->surface : Image();
}

int HeadlessWindows::PresentCount(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->presents : 0;
}

Rect HeadlessWindows::LastPresented(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->last_presented : Rect{};
}

Rect HeadlessWindows::PendingUpdate(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->update : Rect{};
}

bool HeadlessWindows::HasTimer(WindowId window, uint64_t timer_id) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->timers.contains(timer_id);
}

bool HeadlessWindows::IsMoveDragging() {
  std::lock_guard lock(mutex_);
  return drag_.window != 0;
}

// --- windows ---

WindowId HeadlessWindows::Create(const WindowParams& params) {
  if (!params.handler || params.rect.Width() <= 0 || params.rect.Height() <= 0 ||
      params.rect.Width() > Image::kMaxSide || params.rect.Height() > Image::kMaxSide) {
    return 0;
  }
  WindowId id;
  {
    std::lock_guard lock(mutex_);
    id = next_id_++;
    Window& w = windows_[id];
    w.thread = std::this_thread::get_id();
    w.params = params;
    w.rect = params.rect;
    w.visible = (params.style & WS_VISIBLE) != 0;
    w.surface = Image(params.rect.Width(), params.rect.Height());
    queues_[w.thread];
  }
  Send(id, WM_CREATE, 0, 0);
  Send(id, WM_SIZE, 0, MakePointParam(params.rect.Width(), params.rect.Height()));
  std::lock_guard lock(mutex_);
  if (Window* w = Find(id); w && w->visible)
    InvalidateLocked(*w, {0, 0, w->rect.Width(), w->rect.Height()});
  return id;
}

bool HeadlessWindows::Destroy(WindowId window) {
  if (!HandlerOf(window)) return false;
  Send(window, WM_DESTROY, 0, 0);
  Send(window, WM_NCDESTROY, 0, 0);
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return true;
  Queue& queue = queues_[w->thread];
  std::erase_if(queue.posted, [window](const WindowMessage& m) { return m.window == window; });
  for (auto& sent : queue.sent) {
    if (sent->message.window == window) sent->result.set_value(0);
  }
  std::erase_if(queue.sent, [window](const auto& s) { return s->message.window == window; });
  windows_.erase(window);
  for (WindowId* held : {&capture_, &active_, &focus_, &pointer_window_}) {
    if (*held == window) *held = 0;
  }
  if (drag_.window == window) drag_ = {};
  if (last_press_.window == window) last_press_ = {};
  return true;
}

bool HeadlessWindows::IsWindow(WindowId window) {
  std::lock_guard lock(mutex_);
  return Find(window) != nullptr;
}

bool HeadlessWindows::Show(WindowId window, int command) {
  bool activate = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    const bool was_shown = w->visible && !w->minimized;
    switch (command) {
      case SW_HIDE:
        w->visible = false;
        break;
      case SW_MINIMIZE:
        w->visible = true;
        w->minimized = true;
        break;
      default:
        w->visible = true;
        w->minimized = false;
        break;
    }
    if (!was_shown && w->visible && !w->minimized) {
      InvalidateLocked(*w, {0, 0, w->rect.Width(), w->rect.Height()});
    }
    activate = command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWNOACTIVATE;
  }
  if (activate) Activate(window);
  return true;
}

bool HeadlessWindows::IsVisible(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->visible;
}

bool HeadlessWindows::IsMinimized(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->minimized;
}

bool HeadlessWindows::Move(WindowId window, const Rect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || rect.Width() > Image::kMaxSide ||
      rect.Height() > Image::kMaxSide) {
    return false;
  }
  bool resized = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    resized = rect.Width() != w->rect.Width() || rect.Height() != w->rect.Height();
    w->rect = rect;
    if (resized) {
      w->surface = Image(rect.Width(), rect.Height());
      InvalidateLocked(*w, {0, 0, rect.Width(), rect.Height()});
    }
  }
  if (resized) Send(window, WM_SIZE, 0, MakePointParam(rect.Width(), rect.Height()));
  return true;
}

Rect HeadlessWindows::GetWindowRect(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->rect : Rect{};
}

Rect HeadlessWindows::GetClientRect(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Rect{0, 0, w->rect.Width(), w->rect.Height()} : Rect{};
}

bool HeadlessWindows::SetTitle(WindowId window, const std::wstring& title) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  w->params.title = title;
  return true;
}

std::wstring HeadlessWindows::GetTitle(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->params.title : std::wstring();
}

bool HeadlessWindows::Enable(WindowId window, bool enable) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  w->enabled = enable;
  return true;
}

bool HeadlessWindows::IsEnabled(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->enabled;
}

// --- messages ---

bool HeadlessWindows::Post(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  std::lock_guard lock(mutex_);
  if (!Find(window)) return false;
  PostLocked(window, message, wparam, lparam);
  return true;
}

LParam HeadlessWindows::Send(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  std::future<LParam> result;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return 0;
    if (w->thread != std::this_thread::get_id()) {
      auto sent = std::make_shared<SentMessage>();
      sent->message = {window, message, wparam, lparam};
      result = sent->result.get_future();
      queues_[w->thread].sent.push_back(std::move(sent));
      changed_.notify_all();
    }
  }
  if (result.valid()) return result.get();
  WindowHandler* handler = HandlerOf(window);
  return handler ? handler->OnWindowMessage(window, message, wparam, lparam) : 0;
}

void HeadlessWindows::PostQuit(int exit_code) {
  std::lock_guard lock(mutex_);
  Queue& queue = queues_[std::this_thread::get_id()];
  queue.quit = true;
  queue.exit_code = exit_code;
  changed_.notify_all();
}

HeadlessWindows::Next HeadlessWindows::TakeNext(WindowMessage& message, Duration* wait) {
  const auto self = std::this_thread::get_id();
  std::unique_lock lock(mutex_);
  for (;;) {
    Queue& queue = queues_[self];
    if (!queue.sent.empty()) {
      auto sent = std::move(queue.sent.front());
      queue.sent.pop_front();
      WindowHandler* handler =
          Find(sent->message.window) ? Find(sent->message.window)->params.handler : nullptr;
      lock.unlock();
      const WindowMessage& m = sent->message;
      sent->result.set_value(
          handler ? handler->OnWindowMessage(m.window, m.message, m.wparam, m.lparam) : 0);
      lock.lock();
      continue;
    }
    if (!queue.posted.empty()) {
      message = queue.posted.front();
      queue.posted.pop_front();
      return Next::Message;
    }
    if (queue.quit) {
      queue.quit = false;
      message = {0, WM_QUIT, static_cast<WParam>(queue.exit_code), 0};
      return Next::Quit;
    }
    // Painting waits until nothing else is queued, so invalidations coalesce.
    for (auto& [id, w] : windows_) {
      if (w.thread == self && w.visible && !w.minimized && !w.update.IsEmpty()) {
        message = {id, WM_PAINT, 0, 0};
        return Next::Message;
      }
    }
    const Duration now = Now();
    std::pair<WindowId, uint64_t> due{0, 0};
    Duration earliest = Duration::max();
    for (auto& [id, w] : windows_) {
      if (w.thread != self) continue;
      for (auto& [timer_id, timer] : w.timers) {
        if (timer.next < earliest) {
          earliest = timer.next;
          due = {id, timer_id};
        }
      }
    }
    if (due.first && earliest <= now) {
      WindowTimer& timer = windows_[due.first].timers[due.second];
      timer.next = now + timer.period;  // a late timer does not fire twice to catch up
      message = {due.first, WM_TIMER, due.second, 0};
      return Next::Message;
    }
    if (!wait) return Next::None;
    if (due.first) {
      changed_.wait_for(lock, earliest - now);
    } else {
      changed_.wait(lock);
    }
  }
}

bool HeadlessWindows::GetMessage(WindowMessage& message) {
  Duration wait{};
  return TakeNext(message, &wait) == Next::Message;
}

bool HeadlessWindows::PeekMessage(WindowMessage& message) {
  return TakeNext(message, nullptr) != Next::None;
}

LParam HeadlessWindows::Dispatch(const WindowMessage& message) {
  WindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(message.window);
    if (!w) return 0;
    handler = w->params.handler;
    if (message.message == WM_PAINT) w->began_paint = false;
    if (message.message == WM_MOUSELEAVE) w->tracking_leave = false;
  }
  const LParam result =
      handler->OnWindowMessage(message.window, message.message, message.wparam, message.lparam);
  if (message.message == WM_PAINT) {
    // A window that ignores WM_PAINT is validated anyway, or it would be asked again forever.
    std::lock_guard lock(mutex_);
    if (Window* w = Find(message.window); w && !w->began_paint) w->update = {};
  }
  return result;
}

// --- painting ---

bool HeadlessWindows::Invalidate(WindowId window, const Rect* rect) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  InvalidateLocked(*w, rect ? *rect : Rect{0, 0, w->rect.Width(), w->rect.Height()});
  return true;
}

Rect HeadlessWindows::BeginPaint(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return {};
  w->began_paint = true;
  const Rect update = w->update;
  w->update = {};
  return update;
}

bool HeadlessWindows::Present(WindowId window, const Image& image, const Rect& rect,
                              bool per_pixel_alpha) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  const Rect area = (per_pixel_alpha ? Rect{0, 0, image.Width(), image.Height()} : rect)
                        .Intersect({0, 0, image.Width(), image.Height()})
                        .Intersect({0, 0, w->surface.Width(), w->surface.Height()});
  for (int y = area.top; y < area.bottom; ++y) {
    std::copy(image.Row(y) + area.left, image.Row(y) + area.right, w->surface.Row(y) + area.left);
  }
  ++w->presents;
  w->last_presented = area;
  return true;
}

// --- timers ---

bool HeadlessWindows::SetTimer(WindowId window, uint64_t timer_id, unsigned milliseconds) {
  const Duration period = std::chrono::milliseconds(std::max(1u, milliseconds));
  const Duration now = Now();
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w || timer_id == 0) return false;
  w->timers[timer_id] = {period, now + period};
  changed_.notify_all();
  return true;
}

bool HeadlessWindows::KillTimer(WindowId window, uint64_t timer_id) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->timers.erase(timer_id) > 0;
}

// --- input state ---

bool HeadlessWindows::SetCapture(WindowId window) {
  std::lock_guard lock(mutex_);
  if (!Find(window)) return false;
  capture_ = window;
  return true;
}

void HeadlessWindows::ReleaseCapture() {
  std::lock_guard lock(mutex_);
  capture_ = 0;
}

WindowId HeadlessWindows::GetCapture() {
  std::lock_guard lock(mutex_);
  return capture_;
}

bool HeadlessWindows::TrackMouseLeave(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  w->tracking_leave = true;
  return true;
}

bool HeadlessWindows::BeginMoveDrag(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w || !(buttons_ & MK_LBUTTON)) return false;
  capture_ = 0;
  drag_ = {window, pointer_, w->rect};
  return true;
}

void HeadlessWindows::SendActivation(WindowId old_window, WindowId new_window) {
  if (old_window) {
    Send(old_window, WM_NCACTIVATE, 0, 0);
    Send(old_window, WM_ACTIVATE, 0, 0);
  }
  if (new_window) {
    Send(new_window, WM_NCACTIVATE, 1, 0);
    Send(new_window, WM_ACTIVATE, 1, 0);
  }
}

bool HeadlessWindows::Activate(WindowId window) {
  WindowId old = 0, old_focus = 0;
  {
    std::lock_guard lock(mutex_);
    if (window && !Find(window)) return false;
    if (active_ == window) return true;
    old = active_;
    old_focus = focus_;
    active_ = window;
    focus_ = window;
    if (capture_ && capture_ == old) capture_ = 0;
  }
  SendActivation(old, window);
  SendFocusChange(old_focus, window);
  return true;
}

WindowId HeadlessWindows::GetActive() {
  std::lock_guard lock(mutex_);
  return active_;
}

bool HeadlessWindows::SetFocus(WindowId window) {
  WindowId old = 0;
  {
    std::lock_guard lock(mutex_);
    if (window && !Find(window)) return false;
    old = focus_;
    focus_ = window;
  }
  SendFocusChange(old, window);
  return true;
}

void HeadlessWindows::SendFocusChange(WindowId old_focus, WindowId new_focus) {
  if (old_focus == new_focus) return;
  if (old_focus) Send(old_focus, WM_KILLFOCUS, new_focus, 0);
  if (new_focus) Send(new_focus, WM_SETFOCUS, old_focus, 0);
}

WindowId HeadlessWindows::GetFocus() {
  std::lock_guard lock(mutex_);
  return focus_;
}

bool HeadlessWindows::IsKeyDown(uint32_t virtual_key) {
  std::lock_guard lock(mutex_);
  return keys_.contains(virtual_key);
}

Point HeadlessWindows::ClientToScreen(WindowId window, Point point) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Point{point.x + w->rect.left, point.y + w->rect.top} : point;
}

Point HeadlessWindows::ScreenToClient(WindowId window, Point point) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Point{point.x - w->rect.left, point.y - w->rect.top} : point;
}

// --- properties and search ---

bool HeadlessWindows::SetProperty(WindowId window, const std::wstring& name, uint64_t value) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w || name.empty()) return false;
  w->properties[name] = value;
  return true;
}

bool HeadlessWindows::GetProperty(WindowId window, const std::wstring& name, uint64_t& value) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  const auto it = w->properties.find(name);
  if (it == w->properties.end()) return false;
  value = it->second;
  return true;
}

bool HeadlessWindows::RemoveProperty(WindowId window, const std::wstring& name) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->properties.erase(name) > 0;
}

std::vector<WindowId> HeadlessWindows::TopLevelWindows() {
  std::lock_guard lock(mutex_);
  std::vector<WindowId> result;
  for (const auto& [id, window] : windows_)
    result.push_back(id);
  return result;
}

std::wstring HeadlessWindows::GetClassName(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->params.class_name : std::wstring();
}

}  // namespace platform
