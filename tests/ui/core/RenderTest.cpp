#include <gtest/gtest.h>

#include <string>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "tests/support/ScratchFolder.h"
#include "ui/core/MRender.h"

namespace {

using LumoUI::CPoint;
using LumoUI::CRect;
using LumoUI::CSize;
using LumoUI::MRender;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

platform::Image Filled(int width, int height, uint32_t argb) {
  platform::Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, argb);
  return image;
}

// A strip of three 4 x 4 frames, red, green and blue, each with a one-pixel white border.
platform::Image ThreeFrameStrip() {
  const uint32_t colours[] = {kRed, kGreen, kBlue};
  platform::Image image(12, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 12; ++x) {
      const int fx = x % 4;
      const bool border = fx == 0 || fx == 3 || y == 0 || y == 3;
      image.SetPixel(x, y, border ? kWhite : colours[x / 4]);
    }
  }
  return image;
}

TEST(ImageStripTest, EachFrameIsItsOwnSliceOfTheStrip) {
  const platform::Image strip = ThreeFrameStrip();
  for (int frame = 0; frame < 3; ++frame) {
    platform::Image target(20, 20);
    {
      platform::Painter painter(target);
      MRender::DrawStripFrame(painter, strip, 3, frame, {0, 0, 20, 20}, 1);
    }
    const uint32_t expected[] = {kRed, kGreen, kBlue};
    // Nine-part: the border stays one pixel wide however large the frame is drawn, and no
    // neighbouring frame bleeds into the stretched middle.
    EXPECT_EQ(target.Pixel(0, 0), kWhite) << frame;
    EXPECT_EQ(target.Pixel(19, 10), kWhite) << frame;
    EXPECT_EQ(target.Pixel(1, 1), expected[frame]) << frame;
    EXPECT_EQ(target.Pixel(18, 18), expected[frame]) << frame;
    EXPECT_EQ(target.Pixel(10, 10), expected[frame]) << frame;
  }
}

TEST(ImageStripTest, FramesOutsideTheStripDrawNothing) {
  const platform::Image strip = ThreeFrameStrip();
  platform::Image target(8, 8);
  {
    platform::Painter painter(target);
    MRender::DrawStripFrame(painter, strip, 3, -1, {0, 0, 8, 8});
    MRender::DrawStripFrame(painter, strip, 3, 3, {0, 0, 8, 8});
    MRender::DrawStripFrame(painter, strip, 0, 0, {0, 0, 8, 8});  // no frames at all
  }
  EXPECT_EQ(target.Pixel(4, 4), 0u);
}

TEST(NinePartFrameTest, CornersStayUnscaledAndEdgesStretchOneWay) {
  // 6 x 6 source: 2-pixel corners red, edges green, centre blue.
  platform::Image source(6, 6);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool edge_x = x < 2 || x >= 4, edge_y = y < 2 || y >= 4;
      source.SetPixel(x, y, edge_x && edge_y ? kRed : (edge_x || edge_y) ? kGreen : kBlue);
    }
  }
  platform::Image target(40, 30);
  {
    platform::Painter painter(target);
    MRender::DrawImageFrameMID(painter, source, {5, 5, 35, 25}, 0, 0, 6, 6, 2, 2, 2, 2);
  }
  struct Probe {
    int x, y;
    uint32_t colour;
  };
  for (const Probe p :
       {Probe{5, 5, kRed}, Probe{6, 6, kRed}, Probe{33, 23, kRed}, Probe{7, 5, kGreen},
        Probe{32, 6, kGreen}, Probe{5, 15, kGreen}, Probe{34, 22, kGreen}, Probe{7, 7, kBlue},
        Probe{32, 22, kBlue}, Probe{4, 4, 0}, Probe{35, 25, 0}}) {
    EXPECT_EQ(target.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST(FadeTest, VerticalFadeRunsFromOpaqueAtTheTopToClearAtTheBottom) {
  platform::Image dst = Filled(4, 10, kBlack);
  const platform::Image src = Filled(4, 10, kWhite);
  const int last = MRender::DrawVerticalTransition(dst, src, {0, 0, 4, 10}, {0, 0, 4, 10}, 0, 100);
  // Row i gets alpha 255 - i * 25.5, truncated.
  const int alphas[] = {255, 229, 204, 178, 153, 127, 102, 76, 51, 25};
  for (int row = 0; row < 10; ++row)
    EXPECT_NEAR(static_cast<int>(dst.Pixel(2, row) & 0xFF), alphas[row], 1) << row;
  EXPECT_EQ(last, 25);

  platform::Image reverse = Filled(4, 10, kBlack);
  EXPECT_EQ(MRender::DrawVerticalTransition(reverse, src, {0, 0, 4, 10}, {0, 0, 4, 10}, 100, 0),
            229);
  EXPECT_EQ(reverse.Pixel(2, 0), kBlack);
}

TEST(FadeTest, EqualPercentagesGiveAnEvenVeil) {
  platform::Image dst = Filled(6, 6, kBlack);
  const platform::Image src = Filled(6, 6, kWhite);
  // 80 % transparent everywhere: a 20 % white veil, alpha 51.
  EXPECT_EQ(MRender::DrawHorizontalTransition(dst, src, {1, 1, 5, 5}, {0, 0, 4, 4}, 80, 80), 51);
  EXPECT_EQ(dst.Pixel(1, 3), 0xFF333333u);
  EXPECT_EQ(dst.Pixel(4, 3), 0xFF333333u);
  EXPECT_EQ(dst.Pixel(0, 3), kBlack);  // outside the band
  EXPECT_EQ(dst.Pixel(5, 5), kBlack);
}

TEST(FadeTest, FadesStayInsideBothPictures) {
  platform::Image dst = Filled(4, 4, kBlack);
  const platform::Image src = Filled(2, 2, kWhite);
  MRender::DrawVerticalTransition(dst, src, {-1, -1, 10, 10}, {0, 0, 11, 11}, 0, 0);
  EXPECT_EQ(dst.Pixel(0, 0), kWhite);  // source pixel (1, 1)
  EXPECT_EQ(dst.Pixel(1, 1), kBlack);  // beyond the source
}

TEST(FadeTest, RightBottomCornerFadesOutRadially) {
  platform::Image dst = Filled(20, 20, kBlack);
  const platform::Image src = Filled(20, 20, kWhite);
  MRender::DrawRightBottomTransition(dst, src, {0, 0, 20, 20}, 10);
  EXPECT_EQ(dst.Pixel(10, 10), kWhite);  // the square's corner: distance 0
  EXPECT_NEAR(static_cast<int>(dst.Pixel(15, 10) & 0xFF), 128, 1);  // halfway along
  EXPECT_EQ(dst.Pixel(19, 19), kBlack);                             // farther than the side
  EXPECT_EQ(dst.Pixel(9, 9), kBlack);                               // outside the square
}

TEST(RoundRectTest, RadiiFollowTheRoundnessAndEvenOutWhenFarApart) {
  struct Case {
    float w, h, k, rx, ry;
  };
  for (const Case c : {Case{200, 40, 4, 5, 5}, Case{100, 80, 4, 12.5f, 10}, Case{40, 40, 2, 10, 10},
                       Case{100, 100, 0, 0, 0}}) {
    float rx = -1, ry = -1;
    MRender::RoundRectRadii(c.w, c.h, c.k, rx, ry);
    EXPECT_FLOAT_EQ(rx, c.rx) << c.w << "x" << c.h << " k " << c.k;
    EXPECT_FLOAT_EQ(ry, c.ry) << c.w << "x" << c.h << " k " << c.k;
  }
}

TEST(RoundRectTest, TheEvenedRadiusIsWhatGetsDrawn) {
  platform::Image target(220, 60);
  {
    platform::Painter painter(target);
    MRender::DrawRoundRectange(painter, 10, 10, 200, 40, 4, LumoUI::Color(kWhite), 1, true,
                               LumoUI::Color(kBlue));
  }
  EXPECT_EQ(target.Pixel(10, 10), 0u);      // the corner is cut
  EXPECT_EQ(target.Pixel(110, 30), kBlue);  // filled
  // Radius 5, not 25: four pixels in from the corner the top row is already covered.
  EXPECT_GT(target.Pixel(14, 10) >> 24, 200u);

  platform::Image outline(220, 60);
  {
    platform::Painter painter(outline);
    MRender::DrawRoundRectange(painter, 10, 10, 200, 40, 4, LumoUI::Color(kWhite), 2);
  }
  EXPECT_EQ(outline.Pixel(110, 10) >> 24, 255u);
  EXPECT_EQ(outline.Pixel(110, 30), 0u);  // not filled
}

TEST(DrawColorTest, ClearColoursLeaveTheRectangleUntouched) {
  platform::Image target = Filled(4, 4, kRed);
  {
    platform::Painter painter(target);
    MRender::DrawColor(painter, {0, 0, 4, 4}, 0x00FFFFFF);
    MRender::DrawColor(painter, {0, 0, 2, 4}, 0xFF00FF00);
  }
  EXPECT_EQ(target.Pixel(0, 0), kGreen);
  EXPECT_EQ(target.Pixel(3, 0), kRed);
}

TEST(GradientTest, RunsBetweenTheColoursWithTheirMeanAlpha) {
  platform::Image target = Filled(11, 3, kBlack);
  {
    platform::Painter painter(target);
    MRender::DrawGradient(painter, {0, 0, 11, 3}, 0xFF000000, 0xFFFF0000, false, 64);
    MRender::DrawGradient(painter, {0, 0, 11, 3}, 0x00FFFFFF, 0x00FFFFFF, true, 64);  // clear
  }
  EXPECT_EQ(target.Pixel(0, 1), kBlack);
  EXPECT_NEAR(static_cast<int>((target.Pixel(5, 1) >> 16) & 0xFF), 128, 1);
  EXPECT_EQ(target.Pixel(10, 1), kRed);
}

TEST(OriginPointTest, AlignsAnInnerBoxByTextFlags) {
  struct Case {
    unsigned h, v;
    CPoint expected;
  };
  for (const Case c : {Case{LumoUI::DT_LEFT, LumoUI::DT_TOP, {0, 0}},
                       Case{LumoUI::DT_CENTER, LumoUI::DT_VCENTER, {45, 17}},
                       Case{LumoUI::DT_RIGHT, LumoUI::DT_BOTTOM, {90, 35}},
                       Case{3, 12, {0, 0}}}) {  // combined flags are neither
    EXPECT_EQ(MRender::GetOriginPoint(100, 40, 10, 5, c.h, c.v), c.expected) << c.h << " " << c.v;
  }
  EXPECT_EQ(
      MRender::GetOriginPoint(CRect{10, 20, 110, 60}, 10, 5, LumoUI::DT_CENTER, LumoUI::DT_BOTTOM),
      (CPoint{55, 57}));
}

TEST(ColourHelpersTest, BlackIsNudgedSoItNeverReadsAsNone) {
  uint32_t black = 0x80000000, red = 0x000000FF;
  MRender::CheckAlphaColor(black);
  MRender::CheckAlphaColor(red);
  EXPECT_EQ(black, 0x80000001u);
  EXPECT_EQ(red, 0x000000FFu);
}

TEST(BitmapFileTest, SavedBitmapsReadBackPixelForPixel) {
  ScratchFolder folder;
  platform::Image image(3, 2);  // odd width: rows need padding
  image.SetPixel(0, 0, kRed);
  image.SetPixel(2, 0, kGreen);
  image.SetPixel(1, 1, kBlue);
  const auto path = (folder / "saved.bmp").wstring();
  ASSERT_TRUE(MRender::SaveBitmapToFile(image, path));
  const auto read = MRender::LoadImageFromFile(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Pixel(0, 0), kRed);
  EXPECT_EQ(read->Pixel(2, 0), kGreen);
  EXPECT_EQ(read->Pixel(1, 1), kBlue);
  EXPECT_EQ(read->Pixel(0, 1), kBlack);  // transparent pixels are saved black
  EXPECT_FALSE(MRender::SaveBitmapToFile(image, (folder / "no" / "such.bmp").wstring()));
}

TEST(BackBufferTest, StartsTransparentAtTheAskedSize) {
  const platform::Image image = MRender::CreateARGB32Bitmap(5, 3);
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Pixel(4, 2), 0u);
  EXPECT_TRUE(MRender::CreateARGB32Bitmap(0, 3).IsEmpty());
}

// Text is measured with a pinned font, so sizes are stable across machines.
class TextBoundsTest : public testing::Test {
 protected:
  const platform::Font font{L"DejaVu Sans", 14};

  // The columns and rows that hold ink when `text` is drawn at the top-left of a large image.
  static platform::Rect InkOf(const std::wstring& text, const platform::Font& font) {
    platform::Image image(600, 100);
    {
      platform::Painter painter(image);
      painter.DrawText(text, font, {0, 0, 600, 100}, platform::TextAlign::Near,
                       platform::TextAlign::Near, kBlack);
    }
    platform::Rect ink{600, 100, -1, -1};
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 600; ++x) {
        if (image.Pixel(x, y) >> 24) {
          ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x + 1);
          ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y + 1);
        }
      }
    }
    return ink;
  }
};

TEST_F(TextBoundsTest, WidthIsTheGlyphsWidthRoundedUp) {
  for (const std::wstring text : {L"W", L"Keyvane", L"Light settings 100%"}) {
    const CSize size = MRender::GetTextBounds(font, text);
    const platform::Rect ink = InkOf(text, font);
    // Antialiasing may touch one more column on either side than the outlines cover.
    EXPECT_GE(size.cx, ink.Width() - 2) << std::string(text.begin(), text.end());
    EXPECT_LE(size.cx, ink.Width()) << std::string(text.begin(), text.end());
  }
  EXPECT_EQ(MRender::GetTextBounds(font, L"").cx, 0);
}

TEST_F(TextBoundsTest, HeightIsOneLineWhateverTheGlyphs) {
  const CSize low = MRender::GetTextBounds(font, L"ace");
  const CSize tall = MRender::GetTextBounds(font, L"Ågy|");
  EXPECT_EQ(low.cy, tall.cy);
  // A line holds the tallest glyphs, plus the padding.
  EXPECT_GT(low.cy, InkOf(L"Ågy|", font).Height());
  EXPECT_GT(MRender::GetTextBounds({L"DejaVu Sans", 28}, L"ace").cy, low.cy * 3 / 2);
}

TEST_F(TextBoundsTest, WrappedTextGrowsByLinesAndAFixedMargin) {
  const std::wstring text = L"one two three four five six seven eight";
  const CSize one_line = MRender::GetTextBounds(font, 1000, text);
  const CSize wrapped = MRender::GetTextBounds(font, 60, text);
  // One line: the unwrapped height plus 1 (line rounding differs by at most the padding).
  EXPECT_NEAR(one_line.cy, MRender::GetTextBounds(font, text).cy, 4);
  EXPECT_GT(wrapped.cy, 3 * one_line.cy - 10);
  EXPECT_LE(wrapped.cx, 60);
}

}  // namespace
