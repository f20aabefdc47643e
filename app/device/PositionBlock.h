#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A table indexed by key or light position, a fixed number of bytes per position, as the keyboard
// takes it: the key map (2 bytes for each of 110 positions), the per-key colours (4 bytes for each
// of 150) and the live colour frame (3 bytes for each of 200). Positions outside the table are
// refused, never written.
class PositionBlock {
 public:
  static constexpr size_t kKeyMapPositions = 110;
  static constexpr size_t kKeyColourPositions = 150;
  static constexpr size_t kLiveColourPositions = 200;

  PositionBlock(size_t positions, size_t bytes_per_position);

  static PositionBlock KeyMap() { return PositionBlock(kKeyMapPositions, 2); }
  static PositionBlock KeyColours() { return PositionBlock(kKeyColourPositions, 4); }
  static PositionBlock LiveColours() { return PositionBlock(kLiveColourPositions, 3); }

  // False (and nothing written) when `position` is outside the table or `bytes` is not one
  // position's width.
  bool Set(int position, std::span<const uint8_t> bytes);
  void Clear();

  size_t Positions() const { return positions_; }
  std::span<const uint8_t> Bytes() const { return bytes_; }

 private:
  size_t positions_;
  size_t width_;
  std::vector<uint8_t> bytes_;
};
