#include "platform/IcoReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A DIB icon entry of `bits` per pixel. Pixel (x, y) gets palette index (x + y) % colours (or
// the colour `colour_of` gives for 24 and 32 bits); the mask hides the top-left pixel.
struct DibEntry {
  int size = 4;
  int bits = 32;
  bool with_mask = true;
  bool alpha = true;  // 32 bits: the top-left pixel has alpha 0, the others 0x80
};

constexpr uint32_t kPalette[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

Bytes MakeDib(const DibEntry& e) {
  Bytes out;
  Put(out, 40, 4);
  Put(out, e.size, 4);
  Put(out, e.size * 2, 4);
  Put(out, 1, 2);
  Put(out, e.bits, 2);
  for (int i = 0; i < 6; ++i)
    Put(out, 0, 4);
  if (e.bits <= 8) {
    for (int i = 0; i < (1 << e.bits); ++i)
      Put(out, i < 4 ? kPalette[i] : 0, 4);  // stored as B, G, R, 0
  }
  const auto stride = [](int width, int bits) { return ((width * bits + 31) / 32) * 4; };
  for (int y = e.size - 1; y >= 0; --y) {  // bottom-up
    Bytes row(stride(e.size, e.bits), 0);
    for (int x = 0; x < e.size; ++x) {
      const int index = (x + y) % (e.bits == 1 ? 2 : 4);
      const uint32_t rgb = kPalette[index];
      switch (e.bits) {
        case 1:
          row[x / 8] |= index << (7 - x % 8);
          break;
        case 4:
          row[x / 2] |= index << (x % 2 ? 0 : 4);
          break;
        case 8:
          row[x] = index;
          break;
        case 24:
          row[x * 3] = rgb & 0xFF, row[x * 3 + 1] = (rgb >> 8) & 0xFF, row[x * 3 + 2] = rgb >> 16;
          break;
        case 32:
          row[x * 4] = rgb & 0xFF, row[x * 4 + 1] = (rgb >> 8) & 0xFF, row[x * 4 + 2] = rgb >> 16;
          row[x * 4 + 3] = !e.alpha ? 0 : (x == 0 && y == 0) ? 0 : 0x80;
          break;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  if (e.with_mask) {
    for (int y = e.size - 1; y >= 0; --y) {
      Bytes row(stride(e.size, 1), 0);
      if (y == 0) row[0] = 0x80;  // hides (0, 0)
      out.insert(out.end(), row.begin(), row.end());
    }
  }
  return out;
}

// An icon file of the given entries; `sizes` are what the directory claims.
Bytes MakeIcon(const std::vector<Bytes>& entries, const std::vector<int>& sizes,
               const std::vector<int>& bits) {
  Bytes out;
  Put(out, 0, 2);
  Put(out, 1, 2);
  Put(out, entries.size(), 2);
  size_t offset = 6 + 16 * entries.size();
  for (size_t i = 0; i < entries.size(); ++i) {
    out.push_back(static_cast<uint8_t>(sizes[i] % 256));
    out.push_back(static_cast<uint8_t>(sizes[i] % 256));
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, bits[i], 2);
    Put(out, entries[i].size(), 4);
    Put(out, offset, 4);
    offset += entries[i].size();
  }
  for (const auto& entry : entries)
    out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

Bytes MakeIcon(const DibEntry& e) {
  return MakeIcon({MakeDib(e)}, {e.size}, {e.bits});
}

struct DepthCase {
  int bits;
  uint32_t at_1_0;  // straight ARGB expected at (1, 0)
  uint32_t at_0_0;
};

class IcoDepthTest : public testing::TestWithParam<DepthCase> {};

TEST_P(IcoDepthTest, DecodesEveryColourDepthWithItsTransparency) {
  const DepthCase c = GetParam();
  const auto image = platform::IcoReader::Decode(MakeIcon(DibEntry{4, c.bits}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width(), 4);
  EXPECT_EQ(image->Height(), 4);
  EXPECT_EQ(image->Pixel(1, 0), c.at_1_0);
  EXPECT_EQ(image->Pixel(0, 0), c.at_0_0);
  // Rows are stored bottom-up: (0, 1) has the colour of index 1 as (1, 0) does.
  EXPECT_EQ(image->Pixel(0, 1), c.at_1_0);
}

INSTANTIATE_TEST_SUITE_P(Depths, IcoDepthTest,
                         testing::Values(DepthCase{1, 0xFF00FF00, 0}, DepthCase{4, 0xFF00FF00, 0},
                                         DepthCase{8, 0xFF00FF00, 0}, DepthCase{24, 0xFF00FF00, 0},
                                         // 32 bits: alpha from the pixels, the mask ignored
                                         DepthCase{32, 0x8000FF00, 0}));

TEST(IcoReaderTest, ThirtyTwoBitEntriesWithoutAlphaFallBackToTheMask) {
  const auto image = platform::IcoReader::Decode(MakeIcon(DibEntry{4, 32, true, false}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Pixel(0, 0), 0u);
  EXPECT_EQ(image->Pixel(1, 0), 0xFF00FF00u);
}

TEST(IcoReaderTest, ThirtyTwoBitEntriesMayLeaveTheMaskOut) {
  const auto image = platform::IcoReader::Decode(MakeIcon(DibEntry{4, 32, false, true}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Pixel(1, 0), 0x8000FF00u);
}

TEST(IcoReaderTest, PicksTheBestSizeAndTheDeepestColours) {
  const Bytes icon =
      MakeIcon({MakeDib({16, 8}), MakeDib({32, 8}), MakeDib({32, 32}), MakeDib({8, 32})},
               {16, 32, 32, 8}, {8, 8, 32, 32});
  struct Case {
    int wanted;
    int side;
  };
  for (const Case c : {Case{0, 32}, Case{16, 16}, Case{20, 32}, Case{64, 32}, Case{1, 8}}) {
    const auto image = platform::IcoReader::Decode(icon, c.wanted);
    ASSERT_TRUE(image) << c.wanted;
    EXPECT_EQ(image->Width(), c.side) << "wanted " << c.wanted;
  }
  // Of the two 32-pixel entries the 32-bit one wins: its pixels carry alpha 0x80.
  EXPECT_EQ(platform::IcoReader::Decode(icon, 32)->Pixel(1, 0) >> 24, 0x80u);
}

TEST(IcoReaderTest, ABrokenEntryGivesWayToTheNextBest) {
  Bytes broken = MakeDib({32, 32});
  broken.resize(60);  // header and a few pixels
  const auto image =
      platform::IcoReader::Decode(MakeIcon({broken, MakeDib({16, 24})}, {32, 16}, {32, 24}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width(), 16);
}

TEST(IcoReaderTest, DamagedFilesAreRefusedWithoutReadingPastThem) {
  const Bytes good = MakeIcon(DibEntry{4, 8});
  std::vector<std::pair<const char*, Bytes>> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"directory only", Bytes(good.begin(), good.begin() + 6)});
  cases.push_back({"entry cut", Bytes(good.begin(), good.begin() + 20)});
  cases.push_back({"pixels cut", Bytes(good.begin(), good.end() - 30)});
  Bytes offset_out = good;
  offset_out[18] = 0xFF, offset_out[19] = 0xFF, offset_out[20] = 0xFF;
  cases.push_back({"offset past the end", offset_out});
  Bytes huge = good;
  huge[22 + 4] = 0x00, huge[22 + 5] = 0x00, huge[22 + 6] = 0x10;  // width 1 Mi
  cases.push_back({"forged width", huge});
  Bytes depth = good;
  depth[22 + 14] = 7;
  cases.push_back({"unknown depth", depth});
  Bytes compressed = good;
  compressed[22 + 16] = 1;  // run-length coded
  cases.push_back({"compressed", compressed});
  Bytes cursor = good;
  cursor[2] = 2;
  cases.push_back({"cursor file", cursor});
  for (const auto& [name, bytes] : cases) {
    // Exact-size heap copies let the sanitizers catch any read past the end.
    const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    EXPECT_FALSE(platform::IcoReader::Decode(exact)) << name;
    EXPECT_FALSE(platform::Image::Decode(exact)) << name;
  }
}

TEST(IcoReaderTest, ReadsTheShippedProgramIcon) {
  std::ifstream file(std::string(KEYVANE_SOURCE_DIR) + "/data/skins/theme1/Keyvane.ico",
                     std::ios::binary);
  const Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(platform::IcoReader::EntryCount(bytes), 5);
  // The largest entry is PNG-compressed, the small ones are DIBs.
  const auto large = platform::IcoReader::Decode(bytes);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->Width(), 256);
  const auto small = platform::IcoReader::Decode(bytes, 16);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->Width(), 16);
  const auto any_visible = [](const platform::Image& image) {
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x)
        if (image.Pixel(x, y) >> 24) return true;
    return false;
  };
  EXPECT_TRUE(any_visible(*large));
  EXPECT_TRUE(any_visible(*small));
}

}  // namespace
