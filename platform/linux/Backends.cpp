// The current back end of each facility, one slot per facility type.
#include <mutex>

#include "platform/AudioCapture.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Hid.h"
#include "platform/Http.h"
#include "platform/InstanceLock.h"
#include "platform/KeyHook.h"
#include "platform/Locale.h"
#include "platform/ScreenCapture.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "platform/Timers.h"
#include "platform/Tray.h"
#include "platform/VirtualInput.h"
#include "platform/Windows.h"

namespace platform {
namespace {

template <typename Facility>
struct Slot {
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  // Never destroyed: threads that outlive main() may still reach their back end.
  static std::shared_ptr<Facility>& Current() {
    static auto* current = new std::shared_ptr<Facility>();
    return *current;
  }
};

}  // namespace

template <typename Facility>
Facility& Get() {
  std::lock_guard lock(Slot<Facility>::Mutex());
  auto& current = Slot<Facility>::Current();
  if (!current) current = MakeRealBackend<Facility>();
  return *current;
}

template <typename Facility>
std::shared_ptr<Facility> Install(std::shared_ptr<Facility> backend) {
  std::lock_guard lock(Slot<Facility>::Mutex());
  auto& current = Slot<Facility>::Current();
  auto previous = std::move(current);
  current = std::move(backend);
  return previous;
}

#define KEYVANE_PLATFORM_FACILITY(Facility) \
  template Facility& Get<Facility>();       \
  template std::shared_ptr<Facility> Install<Facility>(std::shared_ptr<Facility>);

KEYVANE_PLATFORM_FACILITY(AudioCapture)
KEYVANE_PLATFORM_FACILITY(Clock)
KEYVANE_PLATFORM_FACILITY(Folders)
KEYVANE_PLATFORM_FACILITY(Hid)
KEYVANE_PLATFORM_FACILITY(Http)
KEYVANE_PLATFORM_FACILITY(InstanceLock)
KEYVANE_PLATFORM_FACILITY(KeyHook)
KEYVANE_PLATFORM_FACILITY(Locale)
KEYVANE_PLATFORM_FACILITY(ScreenCapture)
KEYVANE_PLATFORM_FACILITY(Settings)
KEYVANE_PLATFORM_FACILITY(Shell)
KEYVANE_PLATFORM_FACILITY(Timers)
KEYVANE_PLATFORM_FACILITY(Tray)
KEYVANE_PLATFORM_FACILITY(VirtualInput)
KEYVANE_PLATFORM_FACILITY(Windows)

#undef KEYVANE_PLATFORM_FACILITY

}  // namespace platform
