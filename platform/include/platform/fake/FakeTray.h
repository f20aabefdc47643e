#pragma once

#include <mutex>

#include "platform/Tray.h"

namespace platform {

// Records the icon and tip; clicks are injected by the test.
class FakeTray final : public Tray {
 public:
  bool IsShown();
  std::wstring Tip();
  std::filesystem::path Icon();
  void Click(TrayEvent event);

  bool Add(const std::filesystem::path& icon, const std::wstring& tip,
           std::function<void(TrayEvent)> on_event) override;
  bool SetTip(const std::wstring& tip) override;
  void Remove() override;

 private:
  std::mutex mutex_;
  bool shown_ = false;
  std::filesystem::path icon_;
  std::wstring tip_;
  std::function<void(TrayEvent)> on_event_;
};

}  // namespace platform
