#include "app/model/KeyRect.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int ClampToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

KeyRect MakeKeyRect(int x, int y, int w, int h) {
  return KeyRect{x, y, ClampToInt(int64_t{x} + w), ClampToInt(int64_t{y} + h)};
}
