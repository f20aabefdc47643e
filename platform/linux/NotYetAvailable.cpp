// Facilities whose Linux back end is not part of this build yet. Each behaves like a machine that
// lacks the facility (no tray, no audio device ...), which every caller already
// handles, rather than failing in some new way.
#include "platform/AudioCapture.h"
#include "platform/Backend.h"
#include "platform/Http.h"
#include "platform/KeyHook.h"
#include "platform/ScreenCapture.h"
#include "platform/Tray.h"
#include "platform/VirtualInput.h"
#include "platform/Windows.h"

namespace platform {
namespace {

class NoVirtualInput final : public VirtualInput {
 public:
  bool IsInstalled() override { return false; }
  bool Install() override { return false; }
  bool WriteReport(std::span<const uint8_t>) override { return false; }
  bool SetFilterTable(std::span<const uint16_t>) override { return false; }
  bool StartFilter() override { return false; }
  void StopFilter() override {}
  std::optional<FilterKeyEvent> WaitFilterEvent(std::chrono::milliseconds) override {
    return std::nullopt;
  }
};

class NoKeyHook final : public KeyHook {
 public:
  bool Install(std::function<bool(const KeyHookEvent&)>) override { return false; }
  void Uninstall() override {}
  std::wstring KeyName(uint32_t, bool) override { return {}; }
};

class NoAudioCapture final : public AudioCapture {
 public:
  bool Open() override { return false; }
  void Close() override {}
  bool Read(AudioPacket&, std::chrono::milliseconds) override { return false; }
  void SetDefaultDeviceListener(std::function<void()>) override {}
};

class NoScreenCapture final : public ScreenCapture {
 public:
  bool Capture(int, int, ScreenImage&) override { return false; }
};

class NoHttp final : public Http {
 public:
  Result Get(const std::string&, const std::function<bool(std::span<const char>)>&,
             int& status) override {
    status = 0;
    return Result::ConnectFailed;
  }
};

class NoTray final : public Tray {
 public:
  bool Add(const std::filesystem::path&, const std::wstring&,
           std::function<void(TrayEvent)>) override {
    return false;
  }
  bool SetTip(const std::wstring&) override { return false; }
  void Remove() override {}
};

// Until the display back end arrives, the machine behaves as one without a display: no window
// can be created, and everything asked of a window that does not exist does nothing.
class NoWindows final : public Windows {
 public:
  WindowId Create(const WindowParams&) override { return 0; }
  bool Destroy(WindowId) override { return false; }
  bool IsWindow(WindowId) override { return false; }
  bool Show(WindowId, int) override { return false; }
  bool IsVisible(WindowId) override { return false; }
  bool IsMinimized(WindowId) override { return false; }
  bool Move(WindowId, const Rect&) override { return false; }
  Rect GetWindowRect(WindowId) override { return {}; }
  Rect GetClientRect(WindowId) override { return {}; }
  bool SetTitle(WindowId, const std::wstring&) override { return false; }
  std::wstring GetTitle(WindowId) override { return {}; }
  bool Enable(WindowId, bool) override { return false; }
  bool IsEnabled(WindowId) override { return false; }
  bool Post(WindowId, uint32_t, WParam, LParam) override { return false; }
  LParam Send(WindowId, uint32_t, WParam, LParam) override { return 0; }
  void PostQuit(int) override {}
  bool GetMessage(WindowMessage& message) override {
    message = {0, WM_QUIT, 0, 0};
    return false;
  }
  bool PeekMessage(WindowMessage&) override { return false; }
  LParam Dispatch(const WindowMessage&) override { return 0; }
  bool Invalidate(WindowId, const Rect*) override { return false; }
  Rect BeginPaint(WindowId) override { return {}; }
  bool Present(WindowId, const Image&, const Rect&, bool) override { return false; }
  bool SetTimer(WindowId, uint64_t, unsigned) override { return false; }
  bool KillTimer(WindowId, uint64_t) override { return false; }
  bool SetCapture(WindowId) override { return false; }
  void ReleaseCapture() override {}
  WindowId GetCapture() override { return 0; }
  bool TrackMouseLeave(WindowId) override { return false; }
  bool BeginMoveDrag(WindowId) override { return false; }
  bool Activate(WindowId) override { return false; }
  WindowId GetActive() override { return 0; }
  bool SetFocus(WindowId) override { return false; }
  WindowId GetFocus() override { return 0; }
  bool IsKeyDown(uint32_t) override { return false; }
  Point ClientToScreen(WindowId, Point point) override { return point; }
  Point ScreenToClient(WindowId, Point point) override { return point; }
  unsigned CaretBlinkMs() override { return 530; }
  Rect ScreenRect() override { return {}; }
  bool SetProperty(WindowId, const std::wstring&, uint64_t) override { return false; }
  bool GetProperty(WindowId, const std::wstring&, uint64_t&) override { return false; }
  bool RemoveProperty(WindowId, const std::wstring&) override { return false; }
  std::vector<WindowId> TopLevelWindows() override { return {}; }
  std::wstring GetClassName(WindowId) override { return {}; }
};

}  // namespace

template <>
std::shared_ptr<Windows> MakeRealBackend<Windows>() {
  return std::make_shared<NoWindows>();
}
template <>
std::shared_ptr<VirtualInput> MakeRealBackend<VirtualInput>() {
  return std::make_shared<NoVirtualInput>();
}
template <>
std::shared_ptr<KeyHook> MakeRealBackend<KeyHook>() {
  return std::make_shared<NoKeyHook>();
}
template <>
std::shared_ptr<AudioCapture> MakeRealBackend<AudioCapture>() {
  return std::make_shared<NoAudioCapture>();
}
template <>
std::shared_ptr<ScreenCapture> MakeRealBackend<ScreenCapture>() {
  return std::make_shared<NoScreenCapture>();
}
template <>
std::shared_ptr<Http> MakeRealBackend<Http>() {
  return std::make_shared<NoHttp>();
}
template <>
std::shared_ptr<Tray> MakeRealBackend<Tray>() {
  return std::make_shared<NoTray>();
}

}  // namespace platform
