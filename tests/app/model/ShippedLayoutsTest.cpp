// The device files and pictures we ship: each configured model's file loads cleanly and agrees with
// itself, its picture and the light modes the lighting page offers.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "app/model/Configuration.h"
#include "app/model/DeviceFile.h"
#include "app/model/LayoutWarnings.h"
#include "app/model/LightFeatures.h"
#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "tests/support/ScratchFolder.h"

namespace {

const std::filesystem::path kData = std::filesystem::path(KEYVANE_SOURCE_DIR) / "data";

// Width and height from a PNG file's header; 0 x 0 when it is not a PNG.
std::pair<int, int> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  if (!in || header[1] != 'P' || header[2] != 'N' || header[3] != 'G') return {0, 0};
  auto big_endian = [&](int at) {
    return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
  };
  return {big_endian(16), big_endian(20)};
}

struct ShippedModel {
  int device_type;
  size_t key_count;
};

class ShippedLayoutsTest : public testing::TestWithParam<ShippedModel> {
 protected:
  void SetUp() override {
    folders_->SetProgramFolder(kData);
    ASSERT_EQ(LoadConfiguration(kData / "config.xml", configuration_), XmlDocument::LoadResult::Ok);
    const KeyboardModel* model = configuration_.FindModel(GetParam().device_type);
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(device_.Load(DeviceFilePath(model->device_info)), XmlDocument::LoadResult::Ok);
  }

  ScratchFolder scratch_;
  std::shared_ptr<platform::FakeFolders> folders_ =
      std::make_shared<platform::FakeFolders>(scratch_.Path());
  platform::ScopedBackend<platform::Folders> installed_{folders_};
  Configuration configuration_;
  DeviceFile device_;
};

TEST_P(ShippedLayoutsTest, EveryKeyHasItsOwnCodePositionAndCell) {
  const KeyLayout& layout = device_.Layout();
  EXPECT_EQ(layout.Keys().size(), GetParam().key_count);
  EXPECT_EQ(CheckKeyLayout(layout), std::vector<std::wstring>());

  std::set<int> codes, positions;
  std::set<std::pair<int, int>> cells;
  for (const LayoutKey& key : layout.Keys()) {
    EXPECT_TRUE(codes.insert(key.code).second) << key.code;
    EXPECT_TRUE(positions.insert(key.key_index).second) << key.code;
    EXPECT_TRUE(cells.insert({key.cell.row, key.cell.col}).second) << key.code;
    EXPECT_EQ(layout.KeyPosition(key.code), key.key_index);
    EXPECT_EQ(key.light_index, key.key_index) << key.code;
    EXPECT_EQ(layout.MatrixCode(key.cell.row, key.cell.col), key.code);
    EXPECT_FALSE(key.desc.empty()) << key.code;
    // Every key can be pointed at, and lies on the picture.
    EXPECT_FALSE(key.rect.IsEmpty()) << key.code;
    EXPECT_GE(key.rect.left, 0);
    EXPECT_GE(key.rect.top, 0);
    EXPECT_LE(key.rect.right, layout.Keyboard().width);
    EXPECT_LE(key.rect.bottom, layout.Keyboard().height);
  }
  // No cell of the used matrix holds a code that no key has.
  int filled = 0;
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int col = 0; col < layout.ColCount(); ++col) {
      const int code = layout.MatrixCode(row, col);
      if (code == KeyLayout::kEmptyCell) continue;
      ++filled;
      EXPECT_TRUE(codes.count(code)) << row << "," << col;
    }
  }
  EXPECT_EQ(filled, static_cast<int>(layout.Keys().size()));
}

TEST_P(ShippedLayoutsTest, ThePictureIsThereAndAsLargeAsTheView) {
  const KeyboardArea& area = device_.Layout().Keyboard();
  const auto picture = kData / "skins" / "theme1" / "keyboard" / area.image;
  EXPECT_EQ(PngSize(picture), std::make_pair(area.width, area.height)) << picture;
}

TEST_P(ShippedLayoutsTest, LightModesAreUsable) {
  const LightInfo& light = device_.Info().light;
  ASSERT_FALSE(light.modes.empty());
  std::set<int> numbers;
  for (const LightModeInfo& mode : light.modes) {
    EXPECT_TRUE(numbers.insert(mode.mode).second) << mode.mode;
    EXPECT_NE(mode.attribute, 0) << mode.mode;
    EXPECT_EQ(mode.attribute & ~kLightAllFeatures, 0) << mode.mode;
  }
  EXPECT_TRUE(numbers.count(light.default_mode));
  EXPECT_LE(light.default_brightness, light.brightness_max);
  EXPECT_LE(light.default_speed, light.speed_max);
  // The speed shares its byte with a preset colour index in what is sent.
  EXPECT_LT(light.speed_max, 16);
  EXPECT_TRUE(device_.Info().menu_found);
}

INSTANTIATE_TEST_SUITE_P(Models, ShippedLayoutsTest,
                         testing::Values(ShippedModel{kActiveDeviceType, 105},
                                         ShippedModel{101, 87}),
                         [](const auto& info) { return std::to_string(info.param.device_type); });

TEST(ShippedSimulatedModelTest, OffersEveryPageFeatureAndTheFnKey) {
  DeviceFile device;
  ASSERT_EQ(device.Load(kData / "layouts" / "K104.xml"), XmlDocument::LoadResult::Ok);
  EXPECT_EQ(device.MenuFlags(), 0x47);
  EXPECT_TRUE(device.Info().firmware.OffersUpdate());
  EXPECT_EQ(device.Layout().KeyPosition(0xAF), 97);

  int all_bits = 0;
  std::map<int, int> special;  // special feature bit -> modes that have it
  for (const LightModeInfo& mode : device.Info().light.modes) {
    all_bits |= mode.attribute;
    for (int bit : {kLightPerKey, kLightMusic, kLightScreen, kLightAreas}) {
      if (mode.attribute & bit) ++special[bit];
    }
  }
  EXPECT_EQ(all_bits, kLightAllFeatures);
  for (int bit : {kLightPerKey, kLightMusic, kLightScreen, kLightAreas}) {
    EXPECT_EQ(special[bit], 1) << bit;
  }
}

}  // namespace
