// Text must never be left out for want of the private font family.
#include <gtest/gtest.h>

#include "platform/FontFiles.h"
#include "platform/Image.h"
#include "platform/Painter.h"
#include "ui/core/FontFolder.h"

namespace {

int InkedPixels(const platform::Image& image) {
  int inked = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      inked += (image.Pixel(x, y) >> 24) > 0x80;
  return inked;
}

TEST(FontFolderTest, MissingFamilyFallsBackToAnInstalledOneThatDrawsBothLanguages) {
  const std::wstring missing = L"SourceHanSansCN-Regular-not-installed";
  ASSERT_FALSE(platform::IsFontFamilyAvailable(missing));
  const std::wstring family = LumoUI::FontFolder::ResolveFamily(missing);
  EXPECT_NE(family, missing);
  EXPECT_TRUE(platform::IsFontFamilyAvailable(family));

  for (const std::wstring text : {L"Keyboard settings", L"简体中文"}) {
    platform::Image image(200, 40);
    platform::Painter painter(image);
    const platform::Font font{family, 18};
    EXPECT_GT(painter.MeasureText(text, font).width, 20);
    painter.DrawText(text, font, {0, 0, 200, 40}, platform::TextAlign::Near,
                     platform::TextAlign::Center, 0xFF000000);
    EXPECT_GT(InkedPixels(image), 30);
  }
}

TEST(FontFolderTest, AvailableFamilyIsKeptAndMissingFontFilesAreSkipped) {
  EXPECT_EQ(LumoUI::FontFolder::ResolveFamily(L"DejaVu Sans"), L"DejaVu Sans");
  EXPECT_EQ(platform::AddFontFile("/nonexistent/font.otf"), L"");
  EXPECT_EQ(platform::AddFontFile("/etc/hostname"), L"") << "a file that holds no font";
  EXPECT_FALSE(platform::IsFontFamilyAvailable(L""));
}

}  // namespace
