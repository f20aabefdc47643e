#include "ui/core/ImageCache.h"

#include <gtest/gtest.h>

#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "tests/support/ScratchFolder.h"
#include "ui/core/MRender.h"

namespace {

// A skin folder made by the test, holding an 8 x 2 strip in a subfolder.
class ImageCacheTest : public testing::Test {
 protected:
  ImageCacheTest() {
    const auto skin = folder / "program" / "skins" / "theme1" / "icon";
    std::filesystem::create_directories(skin);
    LumoUI::MRender::SaveBitmapToFile(platform::Image(8, 2), (skin / "strip.bmp").wstring());
  }
  ScratchFolder folder;
  platform::ScopedBackend<platform::Folders> folders{
      std::make_shared<platform::FakeFolders>(folder.Path())};
  LumoUI::ImageCache cache;
};

TEST_F(ImageCacheTest, NamesWithBackslashesResolveUnderTheTheme) {
  const auto entry = cache.Get(L"icon\\strip.bmp", 4);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->frame_width, 2);
  EXPECT_EQ(entry->height, 2);
  EXPECT_FALSE(cache.Get(L"icon\\missing.bmp", 1));
}

TEST_F(ImageCacheTest, TheFirstFrameCountWinsForAName) {
  const auto first = cache.Get(L"icon\\strip.bmp", 4);
  const auto second = cache.Get(L"icon\\strip.bmp", 2);
  EXPECT_EQ(first, second);
  EXPECT_EQ(second->frame_width, 2);
  EXPECT_EQ(second->count, 4);
}

}  // namespace
