#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "tests/support/ScratchFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, int value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

// Packs 3-bit LZW codes least significant bit first, as GIF stores them.
class CodeWriter {
 public:
  void Write(int code) {
    for (int bit = 0; bit < 3; ++bit, ++bits_) {
      if (bits_ % 8 == 0) bytes_.push_back(0);
      bytes_.back() |= ((code >> bit) & 1) << (bits_ % 8);
    }
  }
  const Bytes& Data() const { return bytes_; }

 private:
  Bytes bytes_;
  int bits_ = 0;
};

struct GifFrame {
  int colour_index;  // the whole frame in one colour of the palette
  int delay_cs;      // hundredths of a second
};

constexpr uint32_t kGifPalette[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};

// A 4-colour GIF of `side` x `side` pixels. The codes stay 3 bits wide because a clear code
// comes before every second pixel, so the decoder's table never grows.
Bytes MakeGif(int side, const std::vector<GifFrame>& frames) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, side);
  Put16(out, side);
  out.insert(out.end(), {0x81, 0, 0});  // global palette of 4 entries
  for (uint32_t colour : kGifPalette)
    out.insert(out.end(), {uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour)});
  for (const GifFrame& frame : frames) {
    out.insert(out.end(), {0x21, 0xF9, 4, 0});
    Put16(out, frame.delay_cs);
    out.insert(out.end(), {0, 0});
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, side);
    Put16(out, side);
    out.push_back(0);
    out.push_back(2);  // minimum code size: clear 4, end 5
    CodeWriter codes;
    for (int i = 0; i < side * side; ++i) {
      if (i % 2 == 0) codes.Write(4);
      codes.Write(frame.colour_index);
    }
    codes.Write(5);
    for (size_t at = 0; at < codes.Data().size(); at += 255) {
      const size_t n = std::min<size_t>(255, codes.Data().size() - at);
      out.push_back(static_cast<uint8_t>(n));
      out.insert(out.end(), codes.Data().begin() + at, codes.Data().begin() + at + n);
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}

TEST(ImageFramesTest, EveryGifFrameComesWithItsDelay) {
  const auto frames =
      platform::Image::DecodeFrames(MakeGif(6, {{0, 10}, {1, 25}, {2, 50}, {3, 0}}));
  ASSERT_EQ(frames.size(), 4u);
  const int delays[] = {100, 250, 500, 0};
  for (size_t i = 0; i < frames.size(); ++i) {
    ASSERT_TRUE(frames[i].image);
    EXPECT_EQ(frames[i].delay_ms, delays[i]) << "frame " << i;
    EXPECT_EQ(frames[i].image->Width(), 6);
    EXPECT_EQ(frames[i].image->Pixel(0, 0), kGifPalette[i]) << "frame " << i;
    EXPECT_EQ(frames[i].image->Pixel(5, 5), kGifPalette[i]) << "frame " << i;
  }
  // The single-picture loader sees the first frame.
  const auto first = platform::Image::Decode(MakeGif(6, {{2, 10}, {1, 10}}));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Pixel(3, 3), kGifPalette[2]);
}

TEST(ImageFramesTest, DamagedGifsAreRefused) {
  const Bytes good = MakeGif(6, {{0, 10}, {1, 10}});
  std::vector<std::pair<const char*, Bytes>> cases;
  cases.push_back({"header only", Bytes(good.begin(), good.begin() + 13)});
  cases.push_back({"cut inside a frame", Bytes(good.begin(), good.begin() + good.size() / 2)});
  Bytes unknown_block = good;
  unknown_block[13 + 12] = 0x99;  // where the first extension starts
  cases.push_back({"unknown block", unknown_block});
  Bytes huge = good;
  huge[6] = 0xFF, huge[7] = 0x3F, huge[8] = 0xFF, huge[9] = 0x3F;  // 16383 x 16383
  cases.push_back({"screen too large for its frames", huge});
  for (const auto& [name, bytes] : cases)
    EXPECT_TRUE(platform::Image::DecodeFrames(bytes).empty()) << name;
}

TEST(ImageFramesTest, OtherPicturesAreOneStillFrame) {
  // A 2 x 1 BMP: blue then red.
  Bytes bmp{'B', 'M'};
  const auto put32 = [&bmp](uint32_t v) {
    for (int i = 0; i < 4; ++i)
      bmp.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put32(54 + 8), put32(0), put32(54), put32(40), put32(2), put32(1);
  Put16(bmp, 1);
  Put16(bmp, 24);
  for (int i = 0; i < 6; ++i)
    put32(0);
  bmp.insert(bmp.end(), {0xFF, 0, 0, 0, 0, 0xFF, 0, 0});
  const auto frames = platform::Image::DecodeFrames(bmp);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].delay_ms, 0);
  EXPECT_EQ(frames[0].image->Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(frames[0].image->Pixel(1, 0), 0xFFFF0000u);
}

TEST(ImageFramesTest, JpegFilesDecode) {
  // JPEG is lossy and has no simple hand-made form: ImageMagick makes one when it is there.
  if (std::system("command -v convert > /dev/null 2>&1") != 0) GTEST_SKIP() << "no convert";
  ScratchFolder folder;
  const auto path = folder / "orange.jpg";
  const std::string command =
      "convert -size 16x8 xc:'#FF8000' '" + path.string() + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto image = platform::Image::LoadFile(path);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width(), 16);
  EXPECT_EQ(image->Height(), 8);
  const uint32_t pixel = image->Pixel(8, 4);
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), 0xFF, 4);
  EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 0x80, 4);
  EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 0x00, 4);
  EXPECT_EQ(platform::Image::LoadFrames(path).size(), 1u);
}

}  // namespace
