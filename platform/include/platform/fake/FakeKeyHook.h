#pragma once

#include <map>
#include <mutex>

#include "platform/KeyHook.h"

namespace platform {

// Key events are injected by the test and reach the installed handler on the injecting thread.
class FakeKeyHook final : public KeyHook {
 public:
  // Returns whether the handler swallowed the event (false when no hook is installed).
  bool Inject(const KeyHookEvent& event);
  bool IsInstalled();
  void SetKeyName(uint32_t scan_code, bool extended, std::wstring name);

  bool Install(std::function<bool(const KeyHookEvent&)> handler) override;
  void Uninstall() override;
  std::wstring KeyName(uint32_t scan_code, bool extended) override;

 private:
  std::mutex mutex_;
  std::function<bool(const KeyHookEvent&)> handler_;
  std::map<std::pair<uint32_t, bool>, std::wstring> names_;
};

}  // namespace platform
