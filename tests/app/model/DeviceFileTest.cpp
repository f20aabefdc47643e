#include "app/model/DeviceFile.h"

#include <gtest/gtest.h>

#include "app/model/KeyboardView.h"
#include "app/model/LightFeatures.h"
#include "app/model/MenuFlags.h"
#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "tests/support/ScratchFolder.h"

namespace {

// Keeps what the loader gives a keyboard view.
class RecordingView final : public KeyboardView {
 public:
  struct Key {
    std::wstring name;
    std::wstring desc;
    uint32_t code;
    KeyRect rect;
    std::wstring icon;
  };

  void ClearItem() override {
    keys.clear();
    ++clears;
  }
  void SetViewRect(const KeyRect& rect) override { view_rect = rect; }
  void SetKeyboardImage(const std::wstring& path) override { image = path; }
  void SetWidthAndHeight(int w, int h) override {
    width = w;
    height = h;
  }
  int AddKeyItem(const std::wstring& name, const std::wstring& desc, uint32_t code,
                 const KeyRect& rect, const std::wstring& icon_path) override {
    keys.push_back(Key{name, desc, code, rect, icon_path});
    return static_cast<int>(keys.size()) - 1;
  }

  std::vector<Key> keys;
  int clears = 0;
  KeyRect view_rect;
  std::wstring image;
  int width = 0;
  int height = 0;
};

constexpr const char* kFirstHalf = R"(
  <menu macro="1" light_mode="1"/>
  <function sleep_time="1"/>
  <firmware version="2.0" file="tool" url="http://example.org/fw/"/>
  <light rgb_keyboard="1" default_mode="3" default_brightness="4" default_speed="2"
         brightness_max="5" speed_max="6">
    <info name="501" mode="1" attribute="49"/>
    <info name="509" mode="9" attribute="512"/>
  </light>)";

std::string DeviceXml(const std::string& first_half, const std::string& keys,
                      const std::string& keyboard_attributes = R"(row_count="6" col_count="21")") {
  return "<device.info>" + first_half +
         R"(<Keyboard xpos="40" ypos="150" width="900" height="300" image="K.png" )" +
         keyboard_attributes + "><KeyItems>" + keys + "</KeyItems></Keyboard></device.info>";
}

std::string Key(const std::string& code, int key_index, const std::string& row_col,
                const std::string& rect = "10#20#40#40", const std::string& name = "k") {
  return R"(<key code=")" + code + R"(" name=")" + name + R"(" desc="d" key_index=")" +
         std::to_string(key_index) + R"(" light_index="0" icon="" row_col=")" + row_col +
         R"(" rect=")" + rect + R"("/>)";
}

class DeviceFileTest : public testing::Test {
 protected:
  XmlDocument::LoadResult Load(const std::string& content) {
    WriteTestFile(scratch_ / "device.xml", content);
    return device_.Load(scratch_ / "device.xml", views_);
  }

  ScratchFolder scratch_;
  DeviceFile device_;
  RecordingView key_assignment_, lighting_, settings_;
  KeyboardViews views_{&key_assignment_, &lighting_, &settings_};
};

TEST_F(DeviceFileTest, ReadsPagesFirmwareAndLightModes) {
  ASSERT_EQ(Load(DeviceXml(kFirstHalf, "")), XmlDocument::LoadResult::Ok);
  EXPECT_EQ(device_.MenuFlags(), 0x47);
  const DeviceInfo& info = device_.Info();
  EXPECT_TRUE(info.sleep_time);
  EXPECT_EQ(info.firmware.version, L"2.0");
  EXPECT_EQ(info.firmware.url, L"http://example.org/fw/");
  EXPECT_TRUE(info.firmware.OffersUpdate());
  const LightInfo& light = info.light;
  EXPECT_TRUE(light.rgb_keyboard);
  EXPECT_EQ(light.default_mode, 3);
  EXPECT_EQ(light.default_brightness, 4);
  EXPECT_EQ(light.default_speed, 2);
  EXPECT_EQ(light.brightness_max, 5);
  EXPECT_EQ(light.speed_max, 6);
  ASSERT_EQ(light.modes.size(), 2u);
  EXPECT_EQ(light.modes[0].name, L"501");
  EXPECT_EQ(light.modes[1].mode, 9);
  EXPECT_EQ(light.modes[1].attribute, kLightMusic);

  // A firmware entry without a tool offers no update.
  ASSERT_EQ(Load(R"(<device.info><firmware version="2.1" file=""/></device.info>)"),
            XmlDocument::LoadResult::Ok);
  EXPECT_EQ(device_.Info().firmware.version, L"2.1");
  EXPECT_FALSE(device_.Info().firmware.OffersUpdate());
}

TEST_F(DeviceFileTest, MenuSetsPageFlagsAndItsAbsenceKeepsThem) {
  const struct {
    const char* menu;
    int previous;
    int expected;
  } cases[] = {
      {R"(<menu macro="1" light_mode="1"/>)", 0, 0x47},
      {R"(<menu macro="0" light_mode="1"/>)", 0x47, 0x45},
      {R"(<menu macro="2" light_mode="x"/>)", 0, 0x41},  // only 1 turns a page on
      {R"(<menu/>)", 0x47, 0x41},
      {"", 0x05, 0x05},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    device_.SetMenuFlags(c.previous);
    ASSERT_EQ(Load(std::string("<device.info>") + c.menu + "</device.info>"),
              XmlDocument::LoadResult::Ok);
    EXPECT_EQ(device_.MenuFlags(), c.expected) << c.menu;
  }
}

TEST_F(DeviceFileTest, ElementsAreFoundOnlyInTheirOrder) {
  // light before firmware: firmware is found, and the search then starts after light.
  ASSERT_EQ(Load(R"(<device.info><light default_mode="2"/><firmware version="1"/>
      <Keyboard row_count="1" col_count="1"><KeyItems>)" +
                 Key("04", 0, "0,0") + "</KeyItems></Keyboard></device.info>"),
            XmlDocument::LoadResult::Ok);
  EXPECT_EQ(device_.Info().firmware.version, L"1");
  EXPECT_FALSE(device_.Info().light.found);
  EXPECT_EQ(device_.Layout().Keys().size(), 1u);

  // A Keyboard before light is passed over when light is found.
  ASSERT_EQ(Load(R"(<device.info><Keyboard row_count="1" col_count="1"><KeyItems>)" +
                 Key("04", 0, "0,0") + R"(</KeyItems></Keyboard><light/></device.info>)"),
            XmlDocument::LoadResult::Ok);
  EXPECT_TRUE(device_.Info().light.found);
  EXPECT_FALSE(device_.Layout().Keyboard().found);
  EXPECT_TRUE(device_.Layout().Keys().empty());
}

TEST_F(DeviceFileTest, KeysFillTheTablesTheMatrixAndTheViews) {
  ASSERT_EQ(Load(DeviceXml(kFirstHalf, Key("29", 0, "0,0", "20#20#40#40", "Esc") +
                                           Key("AF", 57, "5,12", "480#220#40#40", "Fn") +
                                           R"(<key code="2C" name="" key_index="60" row_col="5,3"
                                                icon="icons\space.png"/>)")),
            XmlDocument::LoadResult::Ok);
  const KeyLayout& layout = device_.Layout();
  ASSERT_EQ(layout.Keys().size(), 3u);
  EXPECT_EQ(layout.KeyPosition(0x29), 0);
  EXPECT_EQ(layout.KeyPosition(0xAF), 57);
  EXPECT_EQ(layout.ColourPosition(0xAF), 57);
  EXPECT_EQ(layout.KeyPosition(0x04), -1);
  EXPECT_EQ(layout.MatrixCode(0, 0), 0x29);
  EXPECT_EQ(layout.MatrixCode(5, 12), 0xAF);
  EXPECT_EQ(layout.MatrixCode(5, 3), 0x2C);
  EXPECT_EQ(layout.MatrixCode(1, 1), KeyLayout::kEmptyCell);
  EXPECT_EQ(layout.RowCount(), 6);
  EXPECT_EQ(layout.ColCount(), 21);

  for (const RecordingView* view : {&key_assignment_, &lighting_, &settings_}) {
    EXPECT_EQ(view->view_rect, (KeyRect{40, 150, 940, 450}));
    EXPECT_EQ(view->image, L"keyboard\\K.png");
    EXPECT_EQ(view->width, 900);
    EXPECT_EQ(view->height, 300);
    ASSERT_EQ(view->keys.size(), 3u);
    EXPECT_EQ(view->keys[1].name, L"Fn");
    EXPECT_EQ(view->keys[1].desc, L"d");
    EXPECT_EQ(view->keys[1].code, 0xAFu);
    EXPECT_EQ(view->keys[1].rect, (KeyRect{480, 220, 520, 260}));
    // A key without rect is still added, with an empty rectangle.
    EXPECT_TRUE(view->keys[2].rect.IsEmpty());
    EXPECT_EQ(view->keys[2].icon, L"icons\\space.png");
  }
}

TEST_F(DeviceFileTest, ALaterKeyWithTheSameCodeTakesOverItsPosition) {
  ASSERT_EQ(Load(DeviceXml(kFirstHalf, Key("04", 3, "1,1") + Key("04", 9, "2,2"))),
            XmlDocument::LoadResult::Ok);
  EXPECT_EQ(device_.Layout().KeyPosition(0x04), 9);
  EXPECT_EQ(device_.Layout().ColourPosition(0x04), 9);
  EXPECT_EQ(device_.Layout().MatrixCode(1, 1), 0x04);
  EXPECT_EQ(device_.Layout().MatrixCode(2, 2), 0x04);
  EXPECT_EQ(lighting_.keys.size(), 2u);
}

TEST_F(DeviceFileTest, KeysTheTablesCannotHoldStayOutOfThem) {
  ASSERT_EQ(Load(DeviceXml(kFirstHalf,
                           Key("04", 0, "0,0") + Key("05", 1, "8,0") +  // row outside the matrix
                               Key("06", 2, "0,32") +                   // column outside the matrix
                               Key("07", 3, "2,-1") +                   // negative column
                               Key("129", 4, "0,0") +   // code the matrix cannot hold
                               Key("FF", 5, "0,1") +    // would read as an empty cell
                               Key("08", 110, "1,0") +  // position past the tables
                               Key("09", -1, "1,1"),    // negative position
                           R"(row_count="20" col_count="-3")")),
            XmlDocument::LoadResult::Ok);
  const KeyLayout& layout = device_.Layout();
  EXPECT_EQ(layout.Keys().size(), 8u);
  EXPECT_EQ(lighting_.keys.size(), 8u);
  EXPECT_EQ(layout.MatrixCode(0, 0), 0x04);  // not overwritten by the low byte of 129
  for (int row = 0; row < KeyLayout::kMatrixRows; ++row) {
    for (int col = 0; col < KeyLayout::kMatrixCols; ++col) {
      if (row == 0 && col == 0) continue;
      if (row == 1 && col <= 1) continue;
      EXPECT_EQ(layout.MatrixCode(row, col), KeyLayout::kEmptyCell) << row << "," << col;
    }
  }
  EXPECT_EQ(layout.MatrixCode(1, 0), 0x08);
  EXPECT_EQ(layout.MatrixCode(-1, 0), KeyLayout::kEmptyCell);
  EXPECT_EQ(layout.MatrixCode(0, 32), KeyLayout::kEmptyCell);
  EXPECT_EQ(layout.KeyPosition(0x05), 1);
  EXPECT_EQ(layout.KeyPosition(0x08), -1);
  EXPECT_EQ(layout.KeyPosition(0x09), -1);
  // Whoever walks row_count x col_count cells stays inside the matrix.
  EXPECT_EQ(layout.RowCount(), KeyLayout::kMatrixRows);
  EXPECT_EQ(layout.ColCount(), 0);
}

TEST_F(DeviceFileTest, OnlyTheViewsTheMenuFlagsSelectGetTheKeys) {
  const std::string keys = Key("04", 0, "0,0") + Key("05", 1, "0,1");
  // Fill every view first, so the test also shows that unselected views are emptied.
  ASSERT_EQ(Load(DeviceXml(kFirstHalf, keys)), XmlDocument::LoadResult::Ok);
  device_.SetMenuFlags(kMenuLighting);
  ASSERT_EQ(Load(DeviceXml("", keys)), XmlDocument::LoadResult::Ok);
  EXPECT_EQ(lighting_.keys.size(), 2u);
  EXPECT_TRUE(key_assignment_.keys.empty());
  EXPECT_TRUE(settings_.keys.empty());
  EXPECT_EQ(key_assignment_.clears, 2);
}

TEST_F(DeviceFileTest, LoadingAnotherModelLeavesNothingOfTheFirst) {
  ASSERT_EQ(Load(DeviceXml(kFirstHalf, Key("04", 0, "0,0") + Key("AF", 1, "0,1"))),
            XmlDocument::LoadResult::Ok);
  ASSERT_EQ(Load(DeviceXml(R"(<menu macro="0" light_mode="0"/>)", Key("E0", 5, "3,3"))),
            XmlDocument::LoadResult::Ok);
  const KeyLayout& layout = device_.Layout();
  ASSERT_EQ(layout.Keys().size(), 1u);
  EXPECT_EQ(layout.KeyPosition(0x04), -1);
  EXPECT_EQ(layout.KeyPosition(0xAF), -1);
  EXPECT_EQ(layout.KeyPosition(0xE0), 5);
  EXPECT_EQ(layout.MatrixCode(0, 0), KeyLayout::kEmptyCell);
  EXPECT_EQ(layout.MatrixCode(0, 1), KeyLayout::kEmptyCell);
  EXPECT_FALSE(device_.Info().light.found);
  EXPECT_TRUE(device_.Info().firmware.version.empty());
  ASSERT_EQ(key_assignment_.keys.size(), 1u);
  EXPECT_EQ(key_assignment_.keys[0].code, 0xE0u);
  EXPECT_TRUE(lighting_.keys.empty());  // the second model has no lighting page
}

TEST_F(DeviceFileTest, UnusableFilesLeaveEverythingEmpty) {
  const struct {
    const char* content;  // null: no file at all
    XmlDocument::LoadResult expected;
  } cases[] = {
      {nullptr, XmlDocument::LoadResult::Missing},
      {"", XmlDocument::LoadResult::Empty},
      {"<device.info><menu macro=\"1\"", XmlDocument::LoadResult::Malformed},
      {"<config><Keyboard><KeyItems><key code=\"4\"/></KeyItems></Keyboard></config>",
       XmlDocument::LoadResult::Malformed},
      {"<device.info><light/></device.info>", XmlDocument::LoadResult::Ok},  // no Keyboard
      {"<device.info><Keyboard width=\"x\" height=\"-9\"/></device.info>",
       XmlDocument::LoadResult::Ok},  // no KeyItems
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Load(DeviceXml(kFirstHalf, Key("04", 0, "0,0"))), XmlDocument::LoadResult::Ok);
    std::filesystem::remove(scratch_ / "device.xml");
    const auto result = c.content ? Load(c.content) : device_.Load(scratch_ / "device.xml", views_);
    EXPECT_EQ(result, c.expected) << (c.content ? c.content : "(missing)");
    EXPECT_TRUE(device_.Layout().Keys().empty());
    EXPECT_EQ(device_.Layout().KeyPosition(0x04), -1);
    EXPECT_EQ(device_.Layout().MatrixCode(0, 0), KeyLayout::kEmptyCell);
    EXPECT_TRUE(device_.Info().light.modes.empty());
    EXPECT_TRUE(key_assignment_.keys.empty());
    EXPECT_TRUE(lighting_.keys.empty());
    EXPECT_EQ(device_.MenuFlags(), 0x47);  // pages stay as they were
  }
}

TEST(DeviceFilePathTest, NamesAFileInsideTheLayoutsFolder) {
  ScratchFolder scratch;
  platform::ScopedBackend<platform::Folders> folders(
      std::make_shared<platform::FakeFolders>(scratch.Path()));
  const auto layouts = folders->ProgramFolder() / "layouts";
  EXPECT_EQ(DeviceFilePath(L"K104"), layouts / "K104.xml");
  EXPECT_EQ(DeviceFilePath(L"../../etc/K104").parent_path(), layouts);
}

}  // namespace
