// The skin folder we ship: every picture the program names, at the size and with the frames the
// controls expect. skins/theme1/pictures.txt lists them; the generator writes it with them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "platform/Folders.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSkin = fs::path(KEYVANE_SOURCE_DIR) / "data" / "skins" / "theme1";

struct Listed {
  int width = 0, height = 0, frames = 0;
};

std::map<std::string, Listed> ListedPictures() {
  std::map<std::string, Listed> pictures;
  std::ifstream file(kSkin / "pictures.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    Listed listed;
    fields >> name >> listed.width >> listed.height >> listed.frames;
    pictures[name] = listed;
  }
  return pictures;
}

std::string Head(const fs::path& file, size_t size) {
  std::ifstream stream(file, std::ios::binary);
  std::string bytes(size, '\0');
  stream.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(stream.gcount()));
  return bytes;
}

uint32_t Byte(const std::string& bytes, size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

// Width and height from the file's own header; false when it is not the format its name says.
bool PictureSize(const fs::path& file, int& width, int& height) {
  const std::string head = Head(file, 32);
  const std::string extension = file.extension().string();
  if (extension == ".png" && head.size() >= 24 && head.starts_with("\x89PNG\r\n\x1A\n")) {
    width = static_cast<int>(Byte(head, 16) << 24 | Byte(head, 17) << 16 | Byte(head, 18) << 8 |
                             Byte(head, 19));
    height = static_cast<int>(Byte(head, 20) << 24 | Byte(head, 21) << 16 | Byte(head, 22) << 8 |
                              Byte(head, 23));
    return true;
  }
  if (extension == ".gif" && head.size() >= 10 && head.starts_with("GIF89a")) {
    width = static_cast<int>(Byte(head, 6) | Byte(head, 7) << 8);
    height = static_cast<int>(Byte(head, 8) | Byte(head, 9) << 8);
    return true;
  }
  if (extension == ".ico" && head.size() >= 22 && head.starts_with(std::string("\0\0\1\0", 4))) {
    // The largest image of the icon; 0 stands for 256.
    const int count = static_cast<int>(Byte(head, 4) | Byte(head, 5) << 8);
    const std::string directory = Head(file, 6 + 16 * static_cast<size_t>(count));
    width = height = 0;
    for (int i = 0; i < count && directory.size() >= 6 + 16u * (i + 1); ++i) {
      const int w = static_cast<int>(Byte(directory, 6 + 16 * i));
      width = std::max(width, w == 0 ? 256 : w);
      const int h = static_cast<int>(Byte(directory, 7 + 16 * i));
      height = std::max(height, h == 0 ? 256 : h);
    }
    return count > 0;
  }
  return false;
}

TEST(ShippedSkinTest, EveryListedPictureHasItsSizeAndWholeFrames) {
  const auto listed = ListedPictures();
  ASSERT_GT(listed.size(), 50u);
  for (const auto& [name, picture] : listed) {
    int width = 0, height = 0;
    ASSERT_TRUE(PictureSize(kSkin / name, width, height)) << name << " is missing or damaged";
    EXPECT_EQ(width, picture.width) << name;
    EXPECT_EQ(height, picture.height) << name;
    ASSERT_GT(picture.frames, 0) << name;
    // Strips hold their frames side by side; an animation's frames follow each other in time.
    if (name.ends_with(".png")) {
      EXPECT_EQ(width % picture.frames, 0) << name << ": frames of unequal width";
    }
  }
}

TEST(ShippedSkinTest, NothingUnlistedIsShipped) {
  const auto listed = ListedPictures();
  for (const auto& entry : fs::recursive_directory_iterator(kSkin)) {
    const std::string name = fs::relative(entry.path(), kSkin).generic_string();
    // The keyboard pictures belong to the device files and are checked with them.
    if (entry.is_directory() || name == "pictures.txt" || name.starts_with("keyboard/")) continue;
    EXPECT_TRUE(listed.count(name)) << name << " is not in pictures.txt";
  }
}

// The names as the program writes them, with their own separators, and the frame counts the
// controls divide them by.
TEST(ShippedSkinTest, EveryNameTheProgramUsesResolves) {
  const auto listed = ListedPictures();
  const struct {
    const wchar_t* name;
    int frames;
  } used[] = {
      {L"main_bkg.png", 1},
      {L"pic_caption.png", 1},
      {L"logo\\logo.png", 1},
      {L"Keyvane.ico", 1},
      {L"bk_prompt.png", 1},
      {L"loading.gif", 12},
      {L"img_tip_bk.png", 1},
      {L"img_tip_arrow_left.png", 1},
      {L"img_tip_arrow_right.png", 1},
      {L"img_tip_arrow_top.png", 1},
      {L"main_sysbtn_close.png", 4},
      {L"main_sysbtn_min.png", 4},
      {L"main_sysbtn_website.png", 4},
      {L"imgbtn_add.png", 4},
      {L"imgbtn_del.png", 4},
      {L"imgbtn_edit.png", 4},
      {L"imgbtn_import.png", 4},
      {L"imgbtn_export.png", 4},
      {L"btn_record_del.png", 4},
      {L"btn_record_up.png", 4},
      {L"btn_record_down.png", 4},
      {L"btn_apply.png", 4},
      {L"btn_checkbox.png", 8},
      {L"btn_radiobox.png", 8},
      {L"btn_direction_left.png", 8},
      {L"btn_direction_right.png", 8},
      {L"btn_direction_top.png", 8},
      {L"btn_direction_bottom.png", 8},
      {L"btn_colorful.png", 4},
      {L"img_combobox.png", 4},
      {L"img_customkey.png", 4},
      {L"img_edit.png", 4},
      {L"img_device_state.png", 2},
      {L"img_circlepalette.png", 1},
      {L"img_palette_thumb.png", 1},
      {L"icon\\tab_home.png", 3},
      {L"icon\\tab_customkey.png", 3},
      {L"icon\\tab_macro.png", 3},
      {L"icon\\tab_light.png", 3},
      {L"icon\\tab_config.png", 3},
      {L"icon\\icon_keyboard.png", 1},
      {L"icon\\icon_macro.png", 1},
      {L"icon\\icon_lightmode.png", 1},
      {L"icon\\icon_config.png", 1},
      {L"icon\\icon_battery_bkg.png", 1},
      {L"icon\\icon_batteryvalue.png", 1},
      {L"icon\\icon_charge.png", 1},
      {L"icon\\mode_usb.png", 1},
      {L"icon//icon_circle.png", 2},
      {L"icon//icon_pc.png", 1},
      {L"icon//icon_cal.png", 1},
      {L"icon//icon_email.png", 1},
      {L"icon//icon_multimedia.png", 1},
      {L"icon//icon_playpause.png", 1},
      {L"icon//icon_stop.png", 1},
      {L"icon//icon_pre.png", 1},
      {L"icon//icon_next.png", 1},
      {L"icon//icon_vol_down.png", 1},
      {L"icon//icon_vol_up.png", 1},
      {L"icon//icon_vol_mute.png", 1},
      {L"icon//icon_home.png", 1},
      {L"icon//icon_web_refresh.png", 1},
      {L"icon//icon_web_stop.png", 1},
      {L"icon//icon_web_backward.png", 1},
      {L"icon//icon_web_foreward.png", 1},
      {L"icon//icon_favorites.png", 1},
      {L"icon//icon_web_search.png", 1},
  };
  for (const auto& [name, frames] : used) {
    const fs::path file = kSkin / platform::FromWindowsName(name);
    EXPECT_TRUE(fs::is_regular_file(file)) << file;
    const std::string key = fs::relative(file.lexically_normal(), kSkin).generic_string();
    const auto found = listed.find(key);
    ASSERT_NE(found, listed.end()) << key << " is not in pictures.txt";
    EXPECT_EQ(found->second.frames, frames) << key;
  }
}

}  // namespace
