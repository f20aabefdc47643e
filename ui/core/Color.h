#pragma once

#include <cstdint>

namespace LumoUI {

// Two colour forms meet in the library. A COLORREF is 0x00BBGGRR (back colours, palettes, key
// colours); a Color is 0xAARRGGBB (text colours). Drawing always takes 0xAARRGGBB.
using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16);
}

// A COLORREF with the given alpha, as 0xAARRGGBB.
constexpr uint32_t ArgbFromColorRef(COLORREF colour, uint8_t alpha = 0xFF) {
  return (uint32_t{alpha} << 24) | ((colour & 0xFF) << 16) | (colour & 0xFF00) |
         ((colour >> 16) & 0xFF);
}

struct Color {
  uint32_t argb = 0xFF000000;

  constexpr Color() = default;
  constexpr Color(uint32_t value) : argb(value) {}  // NOLINT: colours are written as literals
  constexpr uint32_t GetValue() const { return argb; }
  constexpr uint8_t GetA() const { return argb >> 24; }
  constexpr bool operator==(const Color&) const = default;
};

}  // namespace LumoUI
