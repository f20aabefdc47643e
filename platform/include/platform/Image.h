#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace platform {

struct ImageFrame;

// A 32-bit ARGB picture in memory: the back buffer of a window, a decoded skin image, a window's
// surface. Pixels are stored premultiplied (the drawing back end's native format), rows top-down.
class Image {
 public:
  // Larger sides are refused, so a damaged size can never ask for gigabytes.
  static constexpr int kMaxSide = 16384;

  Image() = default;
  // A fully transparent image; empty when a side is not positive or too large.
  Image(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return pixels_.empty(); }

  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t* Data() { return pixels_.data(); }
  const uint32_t* Data() const { return pixels_.data(); }

  // The colour at (x, y) as straight 0xAARRGGBB; 0 outside the image.
  uint32_t Pixel(int x, int y) const;
  // Stores a straight 0xAARRGGBB colour (premultiplying it); ignored outside the image.
  void SetPixel(int x, int y, uint32_t argb);

  // Decodes a PNG, JPEG, BMP, GIF (first frame) or ICO (its best entry) file; null when it
  // cannot be read or decoded.
  static std::shared_ptr<Image> LoadFile(const std::filesystem::path& path);
  // The same for a file already in memory.
  static std::shared_ptr<Image> Decode(std::span<const uint8_t> bytes);
  // Every frame of an animated GIF, each a whole picture, with its delay; any other picture is
  // one frame with delay 0. Empty when the file cannot be read or decoded.
  static std::vector<ImageFrame> LoadFrames(const std::filesystem::path& path);
  static std::vector<ImageFrame> DecodeFrames(std::span<const uint8_t> bytes);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// One picture of an animation and how long it stays on screen.
struct ImageFrame {
  std::shared_ptr<const Image> image;
  int delay_ms = 0;
};

}  // namespace platform
