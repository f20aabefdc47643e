// The window facility of a desktop: X11 when a display can be opened, else the stand-in of a
// machine without one.
#include "platform/Backend.h"
#include "platform/x11/NoDisplayWindows.h"
#include "platform/x11/X11Windows.h"

namespace platform {

template <>
std::shared_ptr<Windows> MakeRealBackend<Windows>() {
  if (auto x11 = X11Windows::Open()) return x11;
  return std::make_shared<NoDisplayWindows>();
}

}  // namespace platform
