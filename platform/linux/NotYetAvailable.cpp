// Facilities whose Linux back end is not part of this build yet. Each behaves like a machine that
// lacks the facility (no audio device ...), which every caller already
// handles, rather than failing in some new way.
#include "platform/AudioCapture.h"
#include "platform/Backend.h"
#include "platform/Http.h"
#include "platform/KeyHook.h"
#include "platform/ScreenCapture.h"
#include "platform/VirtualInput.h"

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

}  // namespace

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

}  // namespace platform
