#include "ui/core/MImageList.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchFolder.h"
#include "ui/core/MRender.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// Pictures written by the test: a 2-frame strip (red frame, blue frame), 8 x 4.
class ImageListTest : public testing::Test {
 protected:
  ImageListTest() {
    platform::Image strip(8, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 8; ++x)
        strip.SetPixel(x, y, x < 4 ? kRed : kBlue);
    LumoUI::MRender::SaveBitmapToFile(strip, Path(L"strip.bmp"));
    LumoUI::MRender::SaveBitmapToFile(platform::Image(3, 3), Path(L"small.bmp"));
  }
  std::wstring Path(const wchar_t* name) { return (folder / name).wstring(); }

  ScratchFolder folder;
  LumoUI::MImageList list;
};

TEST_F(ImageListTest, AddsAndInsertsAtTheIndicesAsked) {
  EXPECT_EQ(list.AddImage(Path(L"strip.bmp").c_str(), 10, 2), 0);
  EXPECT_EQ(list.AddImage(Path(L"small.bmp").c_str(), 20, 1), 1);
  EXPECT_EQ(list.InsertImage(1, Path(L"small.bmp").c_str(), 30, 1), 1);
  EXPECT_EQ(list.InsertImage(-1, Path(L"strip.bmp").c_str(), 40, 4), 3);
  EXPECT_EQ(list.GetImageCount(), 4);
  EXPECT_EQ(list.GetItemImageData(1)->id, 30);
  EXPECT_EQ(list.GetItemImageData(2)->id, 20);
  const auto strip = list.GetImageDataByID(10);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->frame_width, 4);
  EXPECT_EQ(strip->height, 4);
  EXPECT_EQ(list.GetImageDataByID(40)->frame_width, 2);
  EXPECT_EQ(list.GetImagePathByID(20), Path(L"small.bmp"));
  EXPECT_EQ(list.GetImagePath(0), Path(L"strip.bmp"));
  list.DelAllImages();
  EXPECT_EQ(list.GetImageCount(), 0);
}

TEST_F(ImageListTest, RefusesWhatItCannotHold) {
  list.AddImage(Path(L"small.bmp").c_str(), 1, 1);
  struct Case {
    const char* why;
    int index;
    std::wstring path;
  };
  for (const Case& c : {Case{"no path", -1, L""}, Case{"missing file", -1, Path(L"none.png")},
                        Case{"index past the end", 1, Path(L"small.bmp")},
                        Case{"negative index", -2, Path(L"small.bmp")}}) {
    EXPECT_EQ(list.InsertImage(c.index, c.path.c_str(), 2, 1), -1) << c.why;
  }
  EXPECT_EQ(list.AddImage(nullptr, 2, 1), -1);
  EXPECT_EQ(list.GetImageCount(), 1);
  EXPECT_FALSE(list.GetItemImageData(5));
  EXPECT_FALSE(list.GetImageDataByID(99));
  EXPECT_EQ(list.GetImagePath(-1), L"");
}

TEST_F(ImageListTest, DrawsTheFirstFrameStretched) {
  list.AddImage(Path(L"strip.bmp").c_str(), 1, 2);
  list.SetDrawImgSize({16, 16});
  EXPECT_EQ(list.GetIconSize(), (LumoUI::CSize{16, 16}));
  platform::Image target(20, 20);
  {
    platform::Painter painter(target);
    list.DrawItemIcon(painter, {2, 2, 18, 18}, 0);
    list.DrawItemIcon(painter, {0, 0, 20, 20}, 7);  // no such item
  }
  EXPECT_EQ(target.Pixel(2, 2), kRed);
  EXPECT_EQ(target.Pixel(17, 17), kRed);  // the blue second frame never shows
  EXPECT_EQ(target.Pixel(1, 1), 0u);
}

}  // namespace
