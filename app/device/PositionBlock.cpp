#include "app/device/PositionBlock.h"

#include <algorithm>

PositionBlock::PositionBlock(size_t positions, size_t bytes_per_position)
    : positions_(positions), width_(bytes_per_position), bytes_(positions * bytes_per_position) {}

bool PositionBlock::Set(int position, std::span<const uint8_t> bytes) {
  if (position < 0 || static_cast<size_t>(position) >= positions_ || bytes.size() != width_)
    return false;
  std::copy(bytes.begin(), bytes.end(),
            bytes_.begin() + static_cast<std::ptrdiff_t>(position * width_));
  return true;
}

void PositionBlock::Clear() {
  std::fill(bytes_.begin(), bytes_.end(), 0);
}
