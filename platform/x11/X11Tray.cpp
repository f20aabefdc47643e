#include "platform/x11/X11Tray.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/IconFile.h"
#include "platform/Text.h"

namespace platform {
namespace {

constexpr long kRequestDock = 0;  // SYSTEM_TRAY_REQUEST_DOCK
constexpr long kXEmbedMapped = 1;
constexpr int kIconSize = 24;
constexpr unsigned long kDoubleClickMs = 400;
constexpr uint32_t kBackground = 0x202428;  // what shows through the icon's transparent pixels

class NoTray final : public Tray {
 public:
  bool Add(const std::filesystem::path&, const std::wstring&,
           std::function<void(TrayEvent)>) override {
    return false;
  }
  bool SetTip(const std::wstring&) override { return false; }
  void Remove() override {}
};

uint8_t Blend(uint32_t premultiplied, uint32_t back, int shift) {
  const uint32_t alpha = premultiplied >> 24;
  const uint32_t value = (premultiplied >> shift) & 0xFF;
  return static_cast<uint8_t>(value + ((back >> shift) & 0xFF) * (255 - alpha) / 255);
}

}  // namespace

X11Tray::~X11Tray() {
  Remove();
}

bool X11Tray::Add(const std::filesystem::path& icon, const std::wstring& tip,
                  std::function<void(TrayEvent)> on_event) {
  Remove();
  icon_ = LoadIconFile(icon, kIconSize);
  if (!icon_) return false;  // the program runs without an icon
  display_ = XOpenDisplay(nullptr);
  if (!display_) return false;
  const int screen = DefaultScreen(display_);
  const unsigned long root = RootWindow(display_, screen);
  selection_ =
      XInternAtom(display_, ("_NET_SYSTEM_TRAY_S" + std::to_string(screen)).c_str(), False);
  window_ = XCreateSimpleWindow(display_, root, 0, 0, kIconSize, kIconSize, 0, 0, kBackground);
  XSelectInput(display_, window_,
               ExposureMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
  // A tray host that starts later announces itself on the root window.
  XSelectInput(display_, root, StructureNotifyMask);
  const long info[2] = {0, kXEmbedMapped};
  const Atom xembed_info = XInternAtom(display_, "_XEMBED_INFO", False);
  XChangeProperty(display_, window_, xembed_info, xembed_info, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(info), 2);
  // Tray hosts size their icons from the hints (some leave a window without them 1 pixel wide).
  XSizeHints size{};
  size.flags = PMinSize | PBaseSize;
  size.min_width = size.base_width = kIconSize;
  size.min_height = size.base_height = kIconSize;
  XSetWMNormalHints(display_, window_, &size);
  XClassHint hint{const_cast<char*>("keyvane-tray"), const_cast<char*>("Keyvane")};
  XSetClassHint(display_, window_, &hint);
  tip_ = tip;
  ApplyTip();
  on_event_ = std::move(on_event);
  const bool docked = Dock();
  XFlush(display_);
  if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
    Remove();
    return false;
  }
  stop_ = false;
  thread_ = std::thread([this] { EventLoop(); });
  return docked;
}

bool X11Tray::SetTip(const std::wstring& tip) {
  std::lock_guard lock(mutex_);
  if (!display_) return false;
  tip_ = tip;
  tip_changed_ = true;
  const char byte = 1;
  return write(wake_[1], &byte, 1) == 1;
}

void X11Tray::Remove() {
  if (thread_.joinable()) {
    stop_ = true;
    const char byte = 0;
    if (write(wake_[1], &byte, 1) != 1) {
      // The pipe is full: the thread is awake anyway and sees the stop flag.
    }
    thread_.join();
  }
  for (int& fd : wake_) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  if (display_) {
    // Destroying the docked window takes it out of the tray host.
    if (window_) XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
  }
  display_ = nullptr;
  window_ = 0;
  on_event_ = nullptr;
}

bool X11Tray::Dock() {
  const Window manager = XGetSelectionOwner(display_, selection_);
  if (manager == None) return false;
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = manager;
  message.xclient.message_type = XInternAtom(display_, "_NET_SYSTEM_TRAY_OPCODE", False);
  message.xclient.format = 32;
  message.xclient.data.l[0] = CurrentTime;
  message.xclient.data.l[1] = kRequestDock;
  message.xclient.data.l[2] = static_cast<long>(window_);
  XSendEvent(display_, manager, False, NoEventMask, &message);
  XSync(display_, False);
  return true;
}

void X11Tray::ApplyTip() {
  const std::string text = ToUtf8(tip_);
  XStoreName(display_, window_, text.c_str());
  XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                  XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()),
                  static_cast<int>(text.size()));
}

void X11Tray::EventLoop() {
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_[0], POLLIN, 0}};
  while (!stop_) {
    {
      std::lock_guard lock(mutex_);
      if (tip_changed_) {
        tip_changed_ = false;
        ApplyTip();
      }
    }
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      HandleEvent(event);
    }
    XFlush(display_);
    if (poll(fds, 2, -1) < 0) continue;
    char drain[64];
    while (read(wake_[0], drain, sizeof drain) > 0) {
    }
  }
}

void X11Tray::HandleEvent(XEvent& event) {
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) Draw();
      break;
    case ConfigureNotify:
      if (event.xconfigure.window == window_) {
        width_ = event.xconfigure.width;
        height_ = event.xconfigure.height;
        Draw();
      }
      break;
    case ButtonPress:
      if (event.xbutton.button == Button1 && on_event_) {
        const bool twice =
            last_press_time_ && event.xbutton.time - last_press_time_ < kDoubleClickMs;
        last_press_time_ = twice ? 0 : event.xbutton.time;
        on_event_(twice ? TrayEvent::DoubleClick : TrayEvent::LeftClick);
      }
      break;
    case ButtonRelease:
      if (event.xbutton.button == Button3 && on_event_) on_event_(TrayEvent::RightClick);
      break;
    case ClientMessage:
      // MANAGER: a tray host took the selection; dock into it.
      if (event.xclient.message_type == XInternAtom(display_, "MANAGER", False) &&
          static_cast<unsigned long>(event.xclient.data.l[1]) == selection_) {
        Dock();
      }
      break;
    default:
      break;
  }
}

void X11Tray::Draw() {
  if (width_ <= 0 || height_ <= 0 || !icon_) return;
  const int screen = DefaultScreen(display_);
  // The icon keeps its proportions, centred, scaled by nearest pixels.
  const int side = std::min(width_, height_);
  const int left = (width_ - side) / 2;
  const int top = (height_ - side) / 2;
  std::vector<uint32_t> pixels(size_t(width_) * height_, kBackground);
  for (int y = 0; y < side; ++y) {
    const uint32_t* row = icon_->Row(y * icon_->Height() / side);
    for (int x = 0; x < side; ++x) {
      const uint32_t source = row[x * icon_->Width() / side];
      pixels[size_t(top + y) * width_ + left + x] =
          (uint32_t(Blend(source, kBackground, 16)) << 16) |
          (uint32_t(Blend(source, kBackground, 8)) << 8) | Blend(source, kBackground, 0);
    }
  }
  XImage* image =
      XCreateImage(display_, DefaultVisual(display_, screen), DefaultDepth(display_, screen),
                   ZPixmap, 0, reinterpret_cast<char*>(pixels.data()), width_, height_, 32, 0);
  if (!image) return;
  XPutImage(display_, window_, DefaultGC(display_, screen), image, 0, 0, 0, 0, width_, height_);
  image->data = nullptr;  // owned by `pixels`
  XDestroyImage(image);
  XFlush(display_);
}

template <>
std::shared_ptr<Tray> MakeRealBackend<Tray>() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return std::make_shared<NoTray>();
  return std::make_shared<X11Tray>();
}

}  // namespace platform
