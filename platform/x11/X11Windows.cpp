#include "platform/x11/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <vector>

#include "platform/Text.h"
#include "platform/x11/X11Keys.h"

namespace platform {
namespace {

constexpr unsigned long kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 4;
// The EWMH move request of _NET_WM_MOVERESIZE.
constexpr long kMoveResizeMove = 8;
// Our messages between processes: the client message type names the message.
constexpr const char* kMessageAtom = "_KEYVANE_WINDOW_MESSAGE";

// A window that goes away between our looking at it and our request must not end the
// program: failed requests are ignored (the default handler would exit).
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

long EventMask() {
  return ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
         LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
         PropertyChangeMask;
}

bool Valid(const Rect& rect) {
  return rect.Width() > 0 && rect.Height() > 0 && rect.Width() <= Image::kMaxSide &&
         rect.Height() <= Image::kMaxSide;
}

}  // namespace

struct X11Windows::Atoms {
  ::Atom wm_protocols, wm_delete_window, wm_state, wm_transient_for, net_wm_name, utf8_string,
      net_wm_pid, net_wm_window_type, net_wm_window_type_normal, net_wm_window_type_utility,
      net_wm_state, net_active_window, net_wm_moveresize, net_supported, net_supporting_wm_check,
      motif_wm_hints, message, cardinal, net_workarea, clipboard, targets, clipboard_property;
};

std::shared_ptr<X11Windows> X11Windows::Open(const char* display_name) {
  // Other threads post and invalidate; Xlib must lock its connection for them.
  static const bool threads = XInitThreads() != 0;
  if (!threads) return nullptr;
  Display* display = XOpenDisplay(display_name);
  if (!display) return nullptr;
  return std::shared_ptr<X11Windows>(new X11Windows(display));
}

X11Windows::X11Windows(Display* display) : display_(display) {
  XSetErrorHandler(IgnoreErrors);
  screen_ = DefaultScreen(display_);
  root_ = RootWindow(display_, screen_);
  visual_ = DefaultVisual(display_, screen_);
  depth_ = DefaultDepth(display_, screen_);
  colormap_ = DefaultColormap(display_, screen_);
  atoms_ = std::make_unique<Atoms>();
  atoms_->wm_protocols = AtomOf("WM_PROTOCOLS");
  atoms_->wm_delete_window = AtomOf("WM_DELETE_WINDOW");
  atoms_->wm_state = AtomOf("WM_STATE");
  atoms_->wm_transient_for = AtomOf("WM_TRANSIENT_FOR");
  atoms_->net_wm_name = AtomOf("_NET_WM_NAME");
  atoms_->utf8_string = AtomOf("UTF8_STRING");
  atoms_->net_wm_pid = AtomOf("_NET_WM_PID");
  atoms_->net_wm_window_type = AtomOf("_NET_WM_WINDOW_TYPE");
  atoms_->net_wm_window_type_normal = AtomOf("_NET_WM_WINDOW_TYPE_NORMAL");
  atoms_->net_wm_window_type_utility = AtomOf("_NET_WM_WINDOW_TYPE_UTILITY");
  atoms_->net_wm_state = AtomOf("_NET_WM_STATE");
  atoms_->net_active_window = AtomOf("_NET_ACTIVE_WINDOW");
  atoms_->net_wm_moveresize = AtomOf("_NET_WM_MOVERESIZE");
  atoms_->net_supported = AtomOf("_NET_SUPPORTED");
  atoms_->net_supporting_wm_check = AtomOf("_NET_SUPPORTING_WM_CHECK");
  atoms_->motif_wm_hints = AtomOf("_MOTIF_WM_HINTS");
  atoms_->message = AtomOf(kMessageAtom);
  atoms_->cardinal = XA_CARDINAL;
  atoms_->net_workarea = AtomOf("_NET_WORKAREA");
  atoms_->clipboard = AtomOf("CLIPBOARD");
  atoms_->targets = AtomOf("TARGETS");
  atoms_->clipboard_property = AtomOf("_KEYVANE_CLIPBOARD");
  clipboard_window_ = XCreateSimpleWindow(display_, root_, -10, -10, 1, 1, 0, 0, 0);
  OpenInputMethod();

  int shape_event = 0, shape_error = 0;
  has_shape_ = XShapeQueryExtension(display_, &shape_event, &shape_error);
  // Per-pixel alpha needs both a 32-bit visual and a compositor that blends it; without the
  // compositor such windows would show garbage where they are transparent.
  const std::string compositor = "_NET_WM_CM_S" + std::to_string(screen_);
  XVisualInfo info;
  if (XGetSelectionOwner(display_, AtomOf(compositor.c_str())) != None &&
      XMatchVisualInfo(display_, screen_, 32, TrueColor, &info)) {
    visual_ = info.visual;
    depth_ = 32;
    colormap_ = XCreateColormap(display_, root_, info.visual, AllocNone);
    argb_ = true;
  }
}

X11Windows::~X11Windows() {
  std::vector<WindowId> ours;
  {
    std::lock_guard lock(mutex_);
    for (auto& [id, window] : windows_)
      ours.push_back(id);
  }
  for (WindowId id : ours)
    Destroy(id);
  for (auto& [thread, queue] : queues_) {
    if (queue.wake_fd >= 0) close(queue.wake_fd);
  }
  if (argb_) XFreeColormap(display_, colormap_);
  if (input_method_) XCloseIM(input_method_);
  XDestroyWindow(display_, clipboard_window_);
  XCloseDisplay(display_);
}

unsigned long X11Windows::AtomOf(const char* name) {
  return XInternAtom(display_, name, False);
}

unsigned long X11Windows::AtomOf(const std::wstring& name) {
  const std::string utf8 = ToUtf8(name);
  return XInternAtom(display_, utf8.c_str(), False);
}

X11Windows::Queue& X11Windows::QueueOf(std::thread::id thread) {
  Queue& queue = queues_[thread];
  if (queue.wake_fd < 0) queue.wake_fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  return queue;
}

X11Windows::Window* X11Windows::Find(WindowId window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandler* X11Windows::HandlerOf(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->params.handler : nullptr;
}

// --- what the display offers ---

bool X11Windows::HasWindowManager() {
  ::Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display_, root_, atoms_->net_supporting_wm_check, 0, 1, False, XA_WINDOW,
                         &type, &format, &count, &after, &data) == Success &&
      data && count == 1) {
    const ::Window check = *reinterpret_cast<::Window*>(data);
    // A stale check window left by a window manager that ended does not count.
    XWindowAttributes attributes;
    found = XGetWindowAttributes(display_, check, &attributes) != 0;
  }
  if (data) XFree(data);
  return found;
}

bool X11Windows::SupportsNet(const char* atom_name) {
  if (!HasWindowManager()) return false;
  const ::Atom wanted = AtomOf(atom_name);
  ::Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display_, root_, atoms_->net_supported, 0, 4096, False, XA_ATOM, &type,
                         &format, &count, &after, &data) == Success &&
      data) {
    const auto* atoms = reinterpret_cast<::Atom*>(data);
    found = std::find(atoms, atoms + count, wanted) != atoms + count;
  }
  if (data) XFree(data);
  return found;
}

Rect X11Windows::ScreenRect() {
  Rect screen{0, 0, DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)};
  ::Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display_, root_, atoms_->net_workarea, 0, 4, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success &&
      data && count == 4) {
    const auto* area = reinterpret_cast<long*>(data);
    const Rect work{static_cast<int>(area[0]), static_cast<int>(area[1]),
                    static_cast<int>(area[0] + area[2]), static_cast<int>(area[1] + area[3])};
    if (!work.IsEmpty()) screen = work;
  }
  if (data) XFree(data);
  return screen;
}

// --- windows ---

WindowId X11Windows::Create(const WindowParams& params) {
  if (!params.handler || !Valid(params.rect)) return 0;
  XSetWindowAttributes attributes{};
  attributes.colormap = colormap_;
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;  // we paint every pixel: no flash of a background
  attributes.event_mask = EventMask();
  const ::Window x_window =
      XCreateWindow(display_, root_, params.rect.left, params.rect.top, params.rect.Width(),
                    params.rect.Height(), 0, depth_, InputOutput, static_cast<::Visual*>(visual_),
                    CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask, &attributes);
  if (!x_window) return 0;
  const WindowId id = x_window;
  ApplyHints(id, params);
  GC gc = XCreateGC(display_, x_window, 0, nullptr);
  XIC input_context = nullptr;
  if (input_method_) {
    // The input method shows its own composition and status windows; we take committed text.
    input_context = XCreateIC(input_method_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                              XNClientWindow, x_window, XNFocusWindow, x_window, nullptr);
    long filtered = 0;
    if (input_context && !XGetICValues(input_context, XNFilterEvents, &filtered, nullptr))
      XSelectInput(display_, x_window, EventMask() | filtered);
  }
  {
    std::lock_guard lock(mutex_);
    Window& w = windows_[id];
    w.thread = std::this_thread::get_id();
    w.params = params;
    w.gc = gc;
    w.input_context = input_context;
    w.rect = params.rect;
    QueueOf(w.thread);
  }
  Send(id, WM_CREATE, 0, 0);
  Send(id, WM_SIZE, 0, MakePointParam(params.rect.Width(), params.rect.Height()));
  if ((params.style & WS_VISIBLE) && IsWindow(id)) {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(id)) {
      w->visible = true;
      InvalidateLocked(*w, {0, 0, w->rect.Width(), w->rect.Height()});
    }
    XMapRaised(display_, x_window);
  }
  XFlush(display_);
  return id;
}

void X11Windows::ApplyHints(WindowId window, const WindowParams& params) {
  const ::Window w = window;
  const std::string title = ToUtf8(params.title);
  const std::string class_name = ToUtf8(params.class_name.empty() ? L"Keyvane" : params.class_name);
  XClassHint class_hint;
  class_hint.res_name = const_cast<char*>(class_name.c_str());
  class_hint.res_class = const_cast<char*>(class_name.c_str());
  XSetClassHint(display_, w, &class_hint);
  XStoreName(display_, w, title.c_str());
  XChangeProperty(display_, w, atoms_->net_wm_name, atoms_->utf8_string, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
  const long pid = getpid();
  XChangeProperty(display_, w, atoms_->net_wm_pid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  ::Atom protocols[] = {atoms_->wm_delete_window};
  XSetWMProtocols(display_, w, protocols, 1);

  // Where we put it, it stays: window managers honour a position the program asked for.
  XSizeHints size{};
  size.flags = PPosition | USPosition;
  size.x = params.rect.left;
  size.y = params.rect.top;
  XSetWMNormalHints(display_, w, &size);
  XWMHints hints{};
  hints.flags = InputHint | StateHint;
  hints.input = True;
  hints.initial_state = NormalState;
  XSetWMHints(display_, w, &hints);

  // Borderless: we draw the whole window, frame and caption included.
  const long motif[5] = {2 /* decorations field */, 0, 0, 0, 0};
  XChangeProperty(display_, w, atoms_->motif_wm_hints, atoms_->motif_wm_hints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(motif), 5);
  const bool tool = (params.ex_style & WS_EX_TOOLWINDOW) != 0;
  const ::Atom type = tool ? atoms_->net_wm_window_type_utility : atoms_->net_wm_window_type_normal;
  XChangeProperty(display_, w, atoms_->net_wm_window_type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&type), 1);
  std::vector<::Atom> states;
  if (tool) {
    states.push_back(AtomOf("_NET_WM_STATE_SKIP_TASKBAR"));
    states.push_back(AtomOf("_NET_WM_STATE_SKIP_PAGER"));
  }
  if (params.ex_style & WS_EX_TOPMOST) states.push_back(AtomOf("_NET_WM_STATE_ABOVE"));
  if (!states.empty()) {
    XChangeProperty(display_, w, atoms_->net_wm_state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
  }
  if (params.owner) XSetTransientForHint(display_, w, params.owner);
}

bool X11Windows::Destroy(WindowId window) {
  if (!HandlerOf(window)) return false;
  Send(window, WM_DESTROY, 0, 0);
  Send(window, WM_NCDESTROY, 0, 0);
  GC gc = nullptr;
  XIC input_context = nullptr;
  bool released_capture = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return true;
    gc = w->gc;
    input_context = w->input_context;
    Queue& queue = QueueOf(w->thread);
    std::erase_if(queue.posted, [window](const WindowMessage& m) { return m.window == window; });
    for (auto& sent : queue.sent) {
      if (sent->message.window == window) sent->result.set_value(0);
    }
    std::erase_if(queue.sent, [window](const auto& s) { return s->message.window == window; });
    windows_.erase(window);
    released_capture = capture_ == window;
    for (WindowId* held : {&capture_, &active_, &focus_}) {
      if (*held == window) *held = 0;
    }
    if (drag_.window == window) drag_ = {};
    if (last_press_.window == window) last_press_ = {};
  }
  if (released_capture) XUngrabPointer(display_, CurrentTime);
  if (gc) XFreeGC(display_, gc);
  if (input_context) XDestroyIC(input_context);
  XDestroyWindow(display_, window);
  XFlush(display_);
  return true;
}

bool X11Windows::IsForeign(WindowId window) {
  {
    std::lock_guard lock(mutex_);
    if (Find(window)) return false;
  }
  return true;
}

bool X11Windows::IsWindow(WindowId window) {
  if (!window) return false;
  if (!IsForeign(window)) return true;
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0;
}

bool X11Windows::Show(WindowId window, int command) {
  if (!window) return false;
  if (IsForeign(window)) {
    if (!IsWindow(window)) return false;
    if (command == SW_HIDE) {
      XUnmapWindow(display_, window);
    } else if (command == SW_MINIMIZE) {
      XIconifyWindow(display_, window, screen_);
    } else {
      XMapRaised(display_, window);
    }
    XFlush(display_);
    return true;
  }
  bool activate = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    const bool was_shown = w->visible && !w->minimized;
    switch (command) {
      case SW_HIDE:
        w->visible = false;
        w->minimized = false;
        XUnmapWindow(display_, window);
        break;
      case SW_MINIMIZE:
        w->visible = true;
        w->minimized = true;
        break;
      default:
        w->visible = true;
        w->minimized = false;
        XMapRaised(display_, window);
        break;
    }
    if (!was_shown && w->visible && !w->minimized) {
      InvalidateLocked(*w, {0, 0, w->rect.Width(), w->rect.Height()});
    }
    activate = command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWNOACTIVATE;
  }
  if (command == SW_MINIMIZE) {
    // A window manager keeps an icon for it; without one the window is simply taken away.
    if (HasWindowManager()) {
      XIconifyWindow(display_, window, screen_);
    } else {
      XUnmapWindow(display_, window);
    }
    if (GetActive() == window) Activate(0);
  }
  if (command == SW_HIDE && GetActive() == window) Activate(0);
  XFlush(display_);
  if (activate) Activate(window);
  return true;
}

bool X11Windows::IsVisible(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->visible;
}

bool X11Windows::IsMinimized(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->minimized;
}

bool X11Windows::Move(WindowId window, const Rect& rect) {
  if (!Valid(rect)) return false;
  bool resized = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    resized = rect.Width() != w->rect.Width() || rect.Height() != w->rect.Height();
    w->rect = rect;
    if (resized) InvalidateLocked(*w, {0, 0, rect.Width(), rect.Height()});
  }
  XMoveResizeWindow(display_, window, rect.left, rect.top, rect.Width(), rect.Height());
  XFlush(display_);
  if (resized) Send(window, WM_SIZE, 0, MakePointParam(rect.Width(), rect.Height()));
  return true;
}

Rect X11Windows::GetWindowRect(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? w->rect : Rect{};
}

Rect X11Windows::GetClientRect(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Rect{0, 0, w->rect.Width(), w->rect.Height()} : Rect{};
}

bool X11Windows::SetTitle(WindowId window, const std::wstring& title) {
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    w->params.title = title;
  }
  const std::string utf8 = ToUtf8(title);
  XStoreName(display_, window, utf8.c_str());
  XChangeProperty(display_, window, atoms_->net_wm_name, atoms_->utf8_string, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()),
                  static_cast<int>(utf8.size()));
  XFlush(display_);
  return true;
}

std::string X11Windows::ReadTextProperty(WindowId window, const char* property, const char* type) {
  ::Atom actual;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string text;
  const ::Atom wanted = type ? AtomOf(type) : AnyPropertyType;
  if (XGetWindowProperty(display_, window, AtomOf(property), 0, 1024, False, wanted, &actual,
                         &format, &count, &after, &data) == Success &&
      data && format == 8) {
    text.assign(reinterpret_cast<char*>(data), count);
  }
  if (data) XFree(data);
  return text;
}

std::wstring X11Windows::GetTitle(WindowId window) {
  {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(window)) return w->params.title;
  }
  if (!window) return {};
  std::string title = ReadTextProperty(window, "_NET_WM_NAME", "UTF8_STRING");
  if (title.empty()) title = ReadTextProperty(window, "WM_NAME", nullptr);
  return FromUtf8(title);
}

std::wstring X11Windows::GetClassName(WindowId window) {
  {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(window)) return w->params.class_name;
  }
  if (!window) return {};
  XClassHint hint{};
  std::wstring name;
  if (XGetClassHint(display_, window, &hint)) {
    if (hint.res_class) name = FromUtf8(hint.res_class);
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
  }
  return name;
}

bool X11Windows::Enable(WindowId window, bool enable) {
  bool release = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    w->enabled = enable;
    if (!enable && capture_ == window) {
      capture_ = 0;
      release = true;
    }
  }
  if (release) {
    XUngrabPointer(display_, CurrentTime);
    XFlush(display_);
  }
  return true;
}

bool X11Windows::IsEnabled(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->enabled;
}

// --- messages ---

void X11Windows::PostLocked(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  Window* w = Find(window);
  if (!w) return;
  Queue& queue = QueueOf(w->thread);
  queue.posted.push_back({window, message, wparam, lparam});
  const uint64_t one = 1;
  [[maybe_unused]] const auto written = write(queue.wake_fd, &one, sizeof one);
}

bool X11Windows::Post(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  {
    std::lock_guard lock(mutex_);
    if (Find(window)) {
      PostLocked(window, message, wparam, lparam);
      return true;
    }
  }
  return window && PostForeign(window, message, wparam, lparam);
}

bool X11Windows::PostForeign(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  if (!IsWindow(window)) return false;
  // Client message longs travel as 32 bits: the 64-bit parameters go in halves.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = atoms_->message;
  event.xclient.format = 32;
  event.xclient.data.l[0] = message;
  event.xclient.data.l[1] = static_cast<long>(wparam & 0xFFFFFFFF);
  event.xclient.data.l[2] = static_cast<long>(wparam >> 32);
  event.xclient.data.l[3] = static_cast<long>(static_cast<uint64_t>(lparam) & 0xFFFFFFFF);
  event.xclient.data.l[4] = static_cast<long>(static_cast<uint64_t>(lparam) >> 32);
  const bool sent = XSendEvent(display_, window, False, NoEventMask, &event) != 0;
  XFlush(display_);
  return sent;
}

LParam X11Windows::Send(WindowId window, uint32_t message, WParam wparam, LParam lparam) {
  std::shared_ptr<SentMessage> sent;
  std::future<LParam> result;
  WindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return 0;
    if (w->thread == std::this_thread::get_id()) {
      handler = w->params.handler;
    } else {
      sent = std::make_shared<SentMessage>();
      sent->message = {window, message, wparam, lparam};
      result = sent->result.get_future();
      Queue& queue = QueueOf(w->thread);
      queue.sent.push_back(sent);
      const uint64_t one = 1;
      [[maybe_unused]] const auto written = write(queue.wake_fd, &one, sizeof one);
    }
  }
  if (handler) return handler->OnWindowMessage(window, message, wparam, lparam);
  return result.get();
}

void X11Windows::PostQuit(int exit_code) {
  std::lock_guard lock(mutex_);
  Queue& queue = QueueOf(std::this_thread::get_id());
  queue.quit = true;
  queue.exit_code = exit_code;
}

X11Windows::Next X11Windows::TakeNext(WindowMessage& message, int* wait_ms) {
  ReadEvents();
  std::unique_lock lock(mutex_);
  Queue& queue = QueueOf(std::this_thread::get_id());
  // Messages sent from other threads are handled on the way, as a blocked Send expects.
  while (!queue.sent.empty()) {
    auto sent = queue.sent.front();
    queue.sent.pop_front();
    WindowHandler* handler = nullptr;
    if (Window* w = Find(sent->message.window)) handler = w->params.handler;
    lock.unlock();
    const WindowMessage& m = sent->message;
    sent->result.set_value(
        handler ? handler->OnWindowMessage(m.window, m.message, m.wparam, m.lparam) : 0);
    lock.lock();
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
  const auto me = std::this_thread::get_id();
  for (auto& [id, w] : windows_) {
    if (w.thread == me && w.visible && !w.minimized && !w.update.IsEmpty()) {
      message = {id, WM_PAINT, 0, 0};
      return Next::Message;
    }
  }
  const auto now = Clock::now();
  auto soonest = Clock::time_point::max();
  for (auto& [id, w] : windows_) {
    if (w.thread != me) continue;
    for (auto& [timer_id, timer] : w.timers) {
      if (timer.next <= now) {
        timer.next = now + timer.period;
        message = {id, WM_TIMER, timer_id, 0};
        return Next::Message;
      }
      soonest = std::min(soonest, timer.next);
    }
  }
  if (wait_ms) {
    *wait_ms = -1;
    if (soonest != Clock::time_point::max()) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(soonest - now).count();
      *wait_ms = static_cast<int>(std::clamp<int64_t>(left, 1, 60000));
    }
  }
  return Next::Idle;
}

void X11Windows::WaitForEvents(Queue& queue, int wait_ms) {
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {queue.wake_fd, POLLIN, 0}};
  poll(fds, 2, wait_ms);
  uint64_t count = 0;
  [[maybe_unused]] const auto read_bytes = read(queue.wake_fd, &count, sizeof count);
}

bool X11Windows::GetMessage(WindowMessage& message) {
  for (;;) {
    int wait_ms = -1;
    switch (TakeNext(message, &wait_ms)) {
      case Next::Message:
        return true;
      case Next::Quit:
        return false;
      case Next::Idle:
        break;
    }
    Queue* queue;
    {
      std::lock_guard lock(mutex_);
      queue = &QueueOf(std::this_thread::get_id());
    }
    // Events Xlib already read into its own queue would not wake poll: look once more.
    if (XPending(display_)) continue;
    WaitForEvents(*queue, wait_ms);
  }
}

bool X11Windows::PeekMessage(WindowMessage& message) {
  const Next next = TakeNext(message, nullptr);
  if (next == Next::Quit) {
    PostQuit(static_cast<int>(message.wparam));  // kept for GetMessage, as peeking must not eat it
    return true;
  }
  return next == Next::Message;
}

LParam X11Windows::Dispatch(const WindowMessage& message) {
  if (message.message == WM_QUIT) return 0;
  WindowHandler* handler = HandlerOf(message.window);
  return handler ? handler->OnWindowMessage(message.window, message.message, message.wparam,
                                            message.lparam)
                 : 0;
}

// --- painting ---

void X11Windows::InvalidateLocked(Window& window, const Rect& rect) {
  const Rect client{0, 0, window.rect.Width(), window.rect.Height()};
  const Rect area = rect.Intersect(client);
  if (area.IsEmpty()) return;
  window.update = window.update.Union(area);
  const uint64_t one = 1;
  [[maybe_unused]] const auto written = write(QueueOf(window.thread).wake_fd, &one, sizeof one);
}

bool X11Windows::Invalidate(WindowId window, const Rect* rect) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  InvalidateLocked(*w, rect ? *rect : Rect{0, 0, w->rect.Width(), w->rect.Height()});
  return true;
}

Rect X11Windows::BeginPaint(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return {};
  const Rect update = w->update;
  w->update = {};
  return update;
}

bool X11Windows::Present(WindowId window, const Image& image, const Rect& rect,
                         bool per_pixel_alpha) {
  GC gc = nullptr;
  bool shaped = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w) return false;
    gc = w->gc;
    shaped = w->shaped;
  }
  const Rect area = rect.Intersect({0, 0, image.Width(), image.Height()});
  if (area.IsEmpty()) return true;
  // The back buffer is premultiplied ARGB, the layout of both 24- and 32-bit TrueColor visuals.
  // On an ARGB visual a translucent picture goes out as it is. Everywhere else the window is
  // opaque: pixels lose their alpha (straight colours, so faded parts keep their colour), and
  // without a compositor the wholly transparent pixels are cut out of the window's shape.
  std::vector<uint32_t> opaque;
  const uint32_t* pixels = image.Data();
  int stride = image.Width();
  int src_x = area.left, src_y = area.top;
  if (argb_ != per_pixel_alpha) {
    opaque.resize(static_cast<size_t>(area.Width()) * area.Height());
    for (int y = 0; y < area.Height(); ++y) {
      for (int x = 0; x < area.Width(); ++x) {
        const uint32_t colour = per_pixel_alpha ? image.Pixel(area.left + x, area.top + y)
                                                : image.Row(area.top + y)[area.left + x];
        opaque[static_cast<size_t>(y) * area.Width() + x] = colour | 0xFF000000;
      }
    }
    pixels = opaque.data();
    stride = area.Width();
    src_x = src_y = 0;
  }
  const int rows = opaque.empty() ? image.Height() : area.Height();
  XImage* ximage = XCreateImage(display_, static_cast<::Visual*>(visual_), depth_, ZPixmap, 0,
                                reinterpret_cast<char*>(const_cast<uint32_t*>(pixels)), stride,
                                rows, 32, stride * 4);
  if (!ximage) return false;
  XPutImage(display_, window, gc, ximage, src_x, src_y, area.left, area.top, area.Width(),
            area.Height());
  ximage->data = nullptr;  // the pixels belong to the image, not to Xlib
  XDestroyImage(ximage);
  if (!argb_ && (per_pixel_alpha || shaped)) {
    const bool now_shaped = per_pixel_alpha && CutTransparentPixels(window, image);
    std::lock_guard lock(mutex_);
    if (Window* w = Find(window)) w->shaped = now_shaped;
  }
  XFlush(display_);
  return true;
}

bool X11Windows::CutTransparentPixels(WindowId window, const Image& image) {
  if (!has_shape_) return false;
  // The window's shape: one rectangle per run of visible pixels in each row.
  std::vector<XRectangle> runs;
  bool any_hole = false;
  for (int y = 0; y < image.Height(); ++y) {
    const uint32_t* row = image.Row(y);
    for (int x = 0; x < image.Width();) {
      if ((row[x] >> 24) == 0) {
        any_hole = true;
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.Width() && (row[x] >> 24) != 0)
        ++x;
      runs.push_back({static_cast<short>(start), static_cast<short>(y),
                      static_cast<unsigned short>(x - start), 1});
    }
  }
  if (!any_hole) {
    XShapeCombineMask(display_, window, ShapeBounding, 0, 0, None, ShapeSet);
    return false;
  }
  XShapeCombineRectangles(display_, window, ShapeBounding, 0, 0, runs.data(),
                          static_cast<int>(runs.size()), ShapeSet, Unsorted);
  return true;
}

// --- timers ---

bool X11Windows::SetTimer(WindowId window, uint64_t timer_id, unsigned milliseconds) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  const auto period = std::chrono::milliseconds(std::max(1u, milliseconds));
  w->timers[timer_id] = {period, Clock::now() + period};
  const uint64_t one = 1;
  [[maybe_unused]] const auto written = write(QueueOf(w->thread).wake_fd, &one, sizeof one);
  return true;
}

bool X11Windows::KillTimer(WindowId window, uint64_t timer_id) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w && w->timers.erase(timer_id) > 0;
}

// --- input state ---

bool X11Windows::SetCapture(WindowId window) {
  {
    std::lock_guard lock(mutex_);
    if (!Find(window)) return false;
    capture_ = window;
  }
  XGrabPointer(
      display_, window, False,
      ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
      GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
  XFlush(display_);
  return true;
}

void X11Windows::ReleaseCapture() {
  {
    std::lock_guard lock(mutex_);
    if (!capture_) return;
    capture_ = 0;
  }
  XUngrabPointer(display_, CurrentTime);
  XFlush(display_);
}

WindowId X11Windows::GetCapture() {
  std::lock_guard lock(mutex_);
  return capture_;
}

bool X11Windows::TrackMouseLeave(WindowId window) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  if (!w) return false;
  w->tracking_leave = true;
  return true;
}

bool X11Windows::BeginMoveDrag(WindowId window) {
  Point start;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(window);
    if (!w || !(buttons_ & MK_LBUTTON)) return false;
    capture_ = 0;
    start = pointer_;
    drag_ = {window, pointer_, w->rect};
  }
  if (SupportsNet("_NET_WM_MOVERESIZE")) {
    // The window manager moves it; it needs the pointer to itself.
    {
      std::lock_guard lock(mutex_);
      drag_ = {};
    }
    XUngrabPointer(display_, CurrentTime);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atoms_->net_wm_moveresize;
    event.xclient.format = 32;
    event.xclient.data.l[0] = start.x;
    event.xclient.data.l[1] = start.y;
    event.xclient.data.l[2] = kMoveResizeMove;
    event.xclient.data.l[3] = Button1;
    event.xclient.data.l[4] = 1;  // a normal application asks
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  } else {
    // No window manager to ask: follow the pointer ourselves until the button is let go.
    XGrabPointer(display_, window, False, ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                 GrabModeAsync, None, None, CurrentTime);
  }
  XFlush(display_);
  return true;
}

void X11Windows::SendActivation(WindowId old_window, WindowId new_window) {
  if (old_window) {
    Send(old_window, WM_NCACTIVATE, 0, 0);
    Send(old_window, WM_ACTIVATE, 0, 0);
  }
  if (new_window) {
    Send(new_window, WM_NCACTIVATE, 1, 0);
    Send(new_window, WM_ACTIVATE, 1, 0);
  }
}

void X11Windows::RequestFocus(WindowId window) {
  if (SupportsNet("_NET_ACTIVE_WINDOW")) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atoms_->net_active_window;
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // from an application
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  }
  XRaiseWindow(display_, window);
  // Without a window manager nobody else gives the keyboard focus. Refused while the window is
  // not viewable; the error is ignored and the window manager's answer counts.
  {
    std::lock_guard lock(mutex_);
    focus_request_serial_ = NextRequest(display_);
  }
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  XFlush(display_);
}

void X11Windows::ActivateForeign(WindowId window) {
  XMapRaised(display_, window);
  RequestFocus(window);
}

bool X11Windows::Activate(WindowId window) {
  if (window && IsForeign(window)) {
    if (!IsWindow(window)) return false;
    ActivateForeign(window);
    return true;
  }
  WindowId old = 0, old_focus = 0;
  bool mapped = false;
  {
    std::lock_guard lock(mutex_);
    Window* w = window ? Find(window) : nullptr;
    if (window && !w) return false;
    mapped = w && w->visible && !w->minimized;
    old_focus = focus_;
    if (active_ == window) {
      if (mapped) focus_ = window;
    } else {
      old = active_;
      active_ = window;
      focus_ = window;
      if (capture_ && capture_ == old) capture_ = 0;
    }
  }
  if (mapped) RequestFocus(window);
  if (old != window) SendActivation(old, window);
  SendFocusChange(old_focus, GetFocus());
  return true;
}

WindowId X11Windows::GetActive() {
  std::lock_guard lock(mutex_);
  return active_;
}

bool X11Windows::SetFocus(WindowId window) {
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

void X11Windows::SendFocusChange(WindowId old_focus, WindowId new_focus) {
  if (old_focus == new_focus) return;
  if (old_focus) Send(old_focus, WM_KILLFOCUS, new_focus, 0);
  if (new_focus) Send(new_focus, WM_SETFOCUS, old_focus, 0);
}

WindowId X11Windows::GetFocus() {
  std::lock_guard lock(mutex_);
  return focus_;
}

bool X11Windows::IsKeyDown(uint32_t virtual_key) {
  std::lock_guard lock(mutex_);
  return keys_.contains(virtual_key);
}

Point X11Windows::ClientToScreen(WindowId window, Point point) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Point{point.x + w->rect.left, point.y + w->rect.top} : point;
}

Point X11Windows::ScreenToClient(WindowId window, Point point) {
  std::lock_guard lock(mutex_);
  Window* w = Find(window);
  return w ? Point{point.x - w->rect.left, point.y - w->rect.top} : point;
}

// --- properties and search ---

bool X11Windows::SetProperty(WindowId window, const std::wstring& name, uint64_t value) {
  if (name.empty()) return false;
  {
    std::lock_guard lock(mutex_);
    if (!Find(window)) return false;
  }
  const long halves[2] = {static_cast<long>(value & 0xFFFFFFFF), static_cast<long>(value >> 32)};
  XChangeProperty(display_, window, AtomOf(name), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(halves), 2);
  XFlush(display_);
  return true;
}

bool X11Windows::GetProperty(WindowId window, const std::wstring& name, uint64_t& value) {
  if (!window || name.empty()) return false;
  const std::string utf8 = ToUtf8(name);
  // Only names some window already carries exist as atoms; do not make new ones by looking.
  const ::Atom atom = XInternAtom(display_, utf8.c_str(), True);
  if (atom == None) return false;
  ::Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display_, window, atom, 0, 2, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      type != None) {
    found = true;
    value = 0;
    if (data && format == 32 && count >= 1) {
      const auto* longs = reinterpret_cast<unsigned long*>(data);
      value = (longs[0] & 0xFFFFFFFF) | (count >= 2 ? (longs[1] & 0xFFFFFFFF) << 32 : 0);
    }
  }
  if (data) XFree(data);
  return found;
}

bool X11Windows::RemoveProperty(WindowId window, const std::wstring& name) {
  uint64_t value = 0;
  {
    std::lock_guard lock(mutex_);
    if (!Find(window)) return false;
  }
  if (!GetProperty(window, name, value)) return false;
  XDeleteProperty(display_, window, AtomOf(name));
  XFlush(display_);
  return true;
}

std::vector<WindowId> X11Windows::TopLevelWindows() {
  std::vector<WindowId> result;
  ::Window root_return, parent_return;
  ::Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display_, root_, &root_return, &parent_return, &children, &count)) return result;
  for (unsigned i = 0; i < count; ++i) {
    result.push_back(children[i]);
    // A reparenting window manager puts the program's window inside its frame.
    ::Window* inner = nullptr;
    unsigned int inner_count = 0;
    if (XQueryTree(display_, children[i], &root_return, &parent_return, &inner, &inner_count)) {
      for (unsigned j = 0; j < inner_count; ++j)
        result.push_back(inner[j]);
      if (inner) XFree(inner);
    }
  }
  if (children) XFree(children);
  return result;
}

// --- events ---

void X11Windows::ReadEvents() {
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    // Keys that the input method takes to compose text come back to us as committed text.
    if (input_method_ && XFilterEvent(&event, None)) continue;
    HandleEvent(event);
  }
}

void X11Windows::HandleEvent(XEvent& event) {
  switch (event.type) {
    case MappingNotify:
      // The keyboard layout changed (a user switching layouts, or a tool remapping a key to type
      // a character): later key presses must be read with the new mapping.
      XRefreshKeyboardMapping(&event.xmapping);
      break;
    case Expose: {
      std::lock_guard lock(mutex_);
      if (Window* w = Find(event.xexpose.window)) {
        InvalidateLocked(*w,
                         {event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                          event.xexpose.y + event.xexpose.height});
      }
      break;
    }
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case LeaveNotify:
      HandlePointer(event);
      break;
    case KeyPress:
    case KeyRelease:
      HandleKey(event);
      break;
    case FocusIn:
      HandleFocus(event, true);
      break;
    case FocusOut:
      HandleFocus(event, false);
      break;
    case ConfigureNotify:
      HandleConfigure(event);
      break;
    case MapNotify: {
      std::lock_guard lock(mutex_);
      if (Window* w = Find(event.xmap.window)) {
        w->minimized = false;
        w->visible = true;
        InvalidateLocked(*w, {0, 0, w->rect.Width(), w->rect.Height()});
      }
      break;
    }
    case UnmapNotify: {
      // Unmapped by someone else while we meant it shown: the window manager iconified it.
      std::lock_guard lock(mutex_);
      if (Window* w = Find(event.xunmap.window); w && w->visible) w->minimized = true;
      break;
    }
    case ClientMessage:
      HandleClientMessage(event);
      break;
    case SelectionRequest:
      HandleSelectionRequest(event);
      break;
    case SelectionClear: {
      std::lock_guard lock(mutex_);
      if (event.xselectionclear.window == clipboard_window_) clipboard_utf8_.clear();
      break;
    }
    default:
      break;
  }
}

void X11Windows::HandleClientMessage(XEvent& event) {
  const XClientMessageEvent& client = event.xclient;
  std::lock_guard lock(mutex_);
  if (!Find(client.window)) return;
  if (client.message_type == atoms_->wm_protocols &&
      static_cast<::Atom>(client.data.l[0]) == atoms_->wm_delete_window) {
    PostLocked(client.window, WM_CLOSE, 0, 0);
  } else if (client.message_type == atoms_->message && client.format == 32) {
    const auto half = [&](int i) { return static_cast<uint64_t>(client.data.l[i]) & 0xFFFFFFFF; };
    PostLocked(client.window, static_cast<uint32_t>(half(0)), half(1) | (half(2) << 32),
               static_cast<LParam>(half(3) | (half(4) << 32)));
  }
}

void X11Windows::HandleConfigure(XEvent& event) {
  const XConfigureEvent& configure = event.xconfigure;
  int x = configure.x, y = configure.y;
  if (!configure.send_event) {
    // Real events are relative to the parent, which is the frame when a window manager runs.
    ::Window child;
    XTranslateCoordinates(display_, configure.window, root_, 0, 0, &x, &y, &child);
  }
  bool resized = false;
  Rect rect;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(configure.window);
    if (!w) return;
    rect = {x, y, x + configure.width, y + configure.height};
    resized = rect.Width() != w->rect.Width() || rect.Height() != w->rect.Height();
    w->rect = rect;
    if (resized) InvalidateLocked(*w, {0, 0, rect.Width(), rect.Height()});
  }
  if (resized) Post(configure.window, WM_SIZE, 0, MakePointParam(rect.Width(), rect.Height()));
}

void X11Windows::HandleFocus(XEvent& event, bool in) {
  const XFocusChangeEvent& focus = event.xfocus;
  if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab) return;
  if (focus.detail == NotifyInferior || focus.detail == NotifyPointer) return;
  WindowId old = 0, now = 0, old_focus = 0;
  {
    std::lock_guard lock(mutex_);
    Window* w = Find(focus.window);
    if (!w) return;
    if (w->input_context) {
      if (in) {
        XSetICFocus(w->input_context);
      } else {
        XUnsetICFocus(w->input_context);
      }
    }
    // The answer to an earlier focus request than our latest one is out of date.
    if (focus.serial < focus_request_serial_) return;
    if (in) {
      if (active_ == focus.window) return;
      old = active_;
      now = focus.window;
    } else {
      if (active_ != focus.window) return;
      old = active_;
      now = 0;
    }
    old_focus = focus_;
    active_ = now;
    focus_ = now;
  }
  SendActivation(old, now);
  SendFocusChange(old_focus, now);
}

WParam X11Windows::KeyStateLocked(unsigned state) const {
  WParam keys = 0;
  if (state & Button1Mask) keys |= MK_LBUTTON;
  if (state & Button2Mask) keys |= MK_MBUTTON;
  if (state & Button3Mask) keys |= MK_RBUTTON;
  if (state & ShiftMask) keys |= MK_SHIFT;
  if (state & ControlMask) keys |= MK_CONTROL;
  return keys;
}

void X11Windows::HandlePointer(XEvent& event) {
  const ::Window target = event.xany.window;
  std::lock_guard lock(mutex_);
  Window* w = Find(target);
  if (!w) return;
  if (event.type == LeaveNotify) {
    const XCrossingEvent& crossing = event.xcrossing;
    if (crossing.mode == NotifyNormal && crossing.detail != NotifyInferior && w->tracking_leave) {
      w->tracking_leave = false;
      PostLocked(target, WM_MOUSELEAVE, 0, 0);
    }
    return;
  }
  int x, y, x_root, y_root;
  unsigned state;
  if (event.type == MotionNotify) {
    x = event.xmotion.x, y = event.xmotion.y;
    x_root = event.xmotion.x_root, y_root = event.xmotion.y_root;
    state = event.xmotion.state;
  } else {
    x = event.xbutton.x, y = event.xbutton.y;
    x_root = event.xbutton.x_root, y_root = event.xbutton.y_root;
    state = event.xbutton.state;
  }
  pointer_ = {x_root, y_root};
  // X reports the button state before the event; messages carry it after.
  buttons_ = KeyStateLocked(state) & (MK_LBUTTON | MK_MBUTTON | MK_RBUTTON);
  const WParam button_flag = event.type == MotionNotify        ? 0
                             : event.xbutton.button == Button1 ? MK_LBUTTON
                             : event.xbutton.button == Button2 ? MK_MBUTTON
                             : event.xbutton.button == Button3 ? MK_RBUTTON
                                                               : 0;
  if (event.type == ButtonPress) buttons_ |= button_flag;
  if (event.type == ButtonRelease) buttons_ &= ~button_flag;

  if (drag_.window) {
    // A manual window move: the pointer moves the window until the left button is let go.
    if (event.type == MotionNotify) {
      Window* dragged = Find(drag_.window);
      if (dragged) {
        const int dx = x_root - drag_.start.x, dy = y_root - drag_.start.y;
        Rect moved = drag_.start_rect;
        moved = {moved.left + dx, moved.top + dy, moved.right + dx, moved.bottom + dy};
        dragged->rect = moved;
        XMoveWindow(display_, drag_.window, moved.left, moved.top);
      }
    } else if (event.type == ButtonRelease && event.xbutton.button == Button1) {
      drag_ = {};
      XUngrabPointer(display_, CurrentTime);
    }
    return;
  }
  if (!w->enabled) return;
  const WParam keys = (KeyStateLocked(state) & (MK_SHIFT | MK_CONTROL)) | buttons_;
  const LParam point = MakePointParam(x, y);
  if (event.type == MotionNotify) {
    PostLocked(target, WM_MOUSEMOVE, keys, point);
    return;
  }
  const unsigned button = event.xbutton.button;
  if (button == Button4 || button == Button5) {
    if (event.type == ButtonPress) {
      PostLocked(target, WM_MOUSEWHEEL,
                 MakeWheelParam(button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA, keys),
                 MakePointParam(x_root, y_root));
    }
    return;
  }
  if (button != Button1 && button != Button2 && button != Button3) return;
  const int index = button == Button1 ? 0 : button == Button3 ? 1 : 2;
  static constexpr uint32_t kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr uint32_t kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  static constexpr uint32_t kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, 0};
  if (event.type == ButtonRelease) {
    PostLocked(target, kUp[index], keys, point);
    return;
  }
  const unsigned long time = event.xbutton.time;
  const bool is_double = (w->params.class_style & CS_DBLCLKS) && kDouble[index] &&
                         last_press_.window == target && last_press_.button == button &&
                         time - last_press_.time <= kDoubleClickMs &&
                         std::abs(x - last_press_.point.x) <= kDoubleClickSlop &&
                         std::abs(y - last_press_.point.y) <= kDoubleClickSlop;
  // A third press starts counting afresh, as a double click uses its two presses up.
  last_press_ = is_double ? LastPress{} : LastPress{target, button, {x, y}, time};
  PostLocked(target, is_double ? kDouble[index] : kDown[index], keys, point);
}

WindowId X11Windows::KeyTargetLocked(WindowId x_window) {
  Window* focus = Find(focus_);
  if (focus && (focus_ == x_window || focus->params.owner == x_window)) return focus_;
  return x_window;
}

void X11Windows::HandleKey(XEvent& event) {
  XKeyEvent& key = event.xkey;
  XIC input_context = nullptr;
  {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(key.window)) input_context = w->input_context;
  }
  std::string text(64, '\0');
  KeySym keysym = NoSymbol;
  Status status = XLookupKeySym;
  if (input_context && event.type == KeyPress) {
    int length = Xutf8LookupString(input_context, &key, text.data(), static_cast<int>(text.size()),
                                   &keysym, &status);
    if (status == XBufferOverflow) {
      // Committed text longer than the buffer: ask again with room for all of it.
      text.resize(static_cast<size_t>(length));
      length = Xutf8LookupString(input_context, &key, text.data(), static_cast<int>(text.size()),
                                 &keysym, &status);
    }
    text.resize(static_cast<size_t>(std::max(length, 0)));
  } else {
    char plain[16];
    XLookupString(&key, plain, sizeof plain, &keysym, nullptr);
    text.clear();
  }
  // The key's own code ignores Shift: "A" and "a" are one key.
  const KeySym base = XLookupKeysym(&key, 0);
  const uint32_t vk = VirtualKeyFromKeysym(base != NoSymbol ? base : keysym);
  // What the key types: the input method's committed text, else the keysym's character; with
  // Ctrl held a letter types its control character and nothing else types.
  std::wstring typed;
  if (status == XLookupChars) {
    typed = FromUtf8(text);
  } else if (uint32_t character = CharacterFromKeysym(keysym)) {
    if (key.state & ControlMask) {
      const uint32_t upper = character & ~0x20u;
      character = upper >= 'A' && upper <= 'Z' ? upper & 0x1F : 0;
    }
    if (character) typed.push_back(static_cast<wchar_t>(character));
  }
  std::lock_guard lock(mutex_);
  Window* w = Find(key.window);
  if (!w || (!vk && typed.empty())) return;
  const WindowId target = KeyTargetLocked(key.window);
  LParam param = 1;
  if (key.state & ShiftMask) param |= KEY_SHIFT_HELD;
  if (key.state & ControlMask) param |= KEY_CONTROL_HELD;
  const bool alt = (key.state & Mod1Mask) != 0 || vk == VK_MENU;
  if (event.type == KeyPress) {
    if (vk) keys_.insert(vk);
    if (!w->enabled) return;
    if (vk) PostLocked(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, param);
    if (alt) return;
    for (wchar_t character : typed)
      PostLocked(target, WM_CHAR, static_cast<WParam>(character), 1);
  } else {
    if (!vk) return;
    keys_.erase(vk);
    if (!w->enabled) return;
    PostLocked(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, param);
  }
}

// --- text input and clipboard ---

void X11Windows::OpenInputMethod() {
  // Input methods speak the locale's encoding; a program left in the "C" locale takes the
  // user's, as long as Xlib supports it.
  const char* current = std::setlocale(LC_CTYPE, nullptr);
  if (current && std::strcmp(current, "C") == 0 && std::setlocale(LC_CTYPE, "") &&
      !XSupportsLocale()) {
    std::setlocale(LC_CTYPE, "C");
  }
  XSetLocaleModifiers("");  // XMODIFIERS names the input method, if any
  input_method_ = XOpenIM(display_, nullptr, nullptr, nullptr);
  if (!input_method_) {
    // The built-in method still composes and looks up text when no server answers.
    XSetLocaleModifiers("@im=none");
    input_method_ = XOpenIM(display_, nullptr, nullptr, nullptr);
  }
}

bool X11Windows::SetClipboardText(const std::wstring& text) {
  {
    std::lock_guard lock(mutex_);
    clipboard_utf8_ = ToUtf8(text);
  }
  XSetSelectionOwner(display_, atoms_->clipboard, clipboard_window_, CurrentTime);
  const bool owned = XGetSelectionOwner(display_, atoms_->clipboard) == clipboard_window_;
  XFlush(display_);
  return owned;
}

std::wstring X11Windows::GetClipboardText() {
  const ::Window owner = XGetSelectionOwner(display_, atoms_->clipboard);
  if (owner == None) return {};
  if (owner == clipboard_window_) {
    std::lock_guard lock(mutex_);
    return FromUtf8(clipboard_utf8_);
  }
  XDeleteProperty(display_, clipboard_window_, atoms_->clipboard_property);
  XConvertSelection(display_, atoms_->clipboard, atoms_->utf8_string, atoms_->clipboard_property,
                    clipboard_window_, CurrentTime);
  XFlush(display_);
  // The owner answers with a SelectionNotify; other events wait in Xlib's queue meanwhile.
  XEvent answer;
  const auto deadline = Clock::now() + std::chrono::seconds(1);
  bool answered = false;
  while (
      !(answered = XCheckTypedWindowEvent(display_, clipboard_window_, SelectionNotify, &answer))) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
  if (!answered || answer.xselection.property == None) return {};
  ::Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::wstring text;
  if (XGetWindowProperty(display_, clipboard_window_, atoms_->clipboard_property, 0, 1 << 20, True,
                         AnyPropertyType, &type, &format, &count, &remaining, &data) == Success &&
      data && format == 8) {
    text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), count));
  }
  if (data) XFree(data);
  return text;
}

void X11Windows::HandleSelectionRequest(XEvent& event) {
  const XSelectionRequestEvent& request = event.xselectionrequest;
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  reply.xselection.property = None;
  // Old clients name no property: the target's name serves.
  const ::Atom property = request.property != None ? request.property : request.target;
  std::string text;
  {
    std::lock_guard lock(mutex_);
    text = clipboard_utf8_;
  }
  if (request.owner == clipboard_window_ && request.selection == atoms_->clipboard) {
    if (request.target == atoms_->targets) {
      const ::Atom offered[] = {atoms_->targets, atoms_->utf8_string, XA_STRING};
      XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(offered), 3);
      reply.xselection.property = property;
    } else if (request.target == atoms_->utf8_string || request.target == XA_STRING) {
      XChangeProperty(display_, request.requestor, property, request.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()),
                      static_cast<int>(text.size()));
      reply.xselection.property = property;
    }
  }
  XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
  XFlush(display_);
}

}  // namespace platform
