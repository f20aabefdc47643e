#include "app/model/Configuration.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchFolder.h"

namespace {

class ConfigurationTest : public testing::Test {
 protected:
  XmlDocument::LoadResult Load(const std::string& content) {
    WriteTestFile(scratch_ / "config.xml", content);
    return LoadConfiguration(scratch_ / "config.xml", configuration_);
  }

  ScratchFolder scratch_;
  Configuration configuration_;
};

TEST_F(ConfigurationTest, ReadsModelsModesAndSoftware) {
  ASSERT_EQ(Load(R"(<config><device.info>
      <keyboard name="K1" device_type="201" device_info="K104">
        <mode value="0" desc="cable" vid="1209" pid="0005" product_name="" hid_interface="PID_0005"/>
        <mode value="2" desc="receiver" vid="1209" pid="00a7" hid_interface="PID_00A7"/>
      </keyboard>
      <keyboard name="K2" device_type="101" device_info="T87"/>
    </device.info>
    <software name="Keyvane" version="2.1">
      <website url="w"/><upgrade url="u"/><copyright info="c"/>
    </software></config>)"),
            XmlDocument::LoadResult::Ok);
  ASSERT_EQ(configuration_.models.size(), 2u);
  const auto& k1 = configuration_.models[0];
  EXPECT_EQ(k1.name, L"K1");
  EXPECT_EQ(k1.device_type, 201);
  ASSERT_EQ(k1.modes.size(), 2u);
  EXPECT_EQ(k1.modes[1].value, 2);
  EXPECT_EQ(k1.modes[1].vid, 0x1209);
  EXPECT_EQ(k1.modes[1].pid, 0xA7);
  EXPECT_TRUE(configuration_.models[1].modes.empty());

  // Both modes of a model carry its device type into the mode list.
  const auto records = configuration_.ModeRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].device_type, 201);
  EXPECT_EQ(records[1].device_type, 201);
  EXPECT_EQ(records[1].hid_interface, L"PID_00A7");
  EXPECT_EQ(records[1].connected, 0);

  EXPECT_EQ(configuration_.FindModel(101), &configuration_.models[1]);
  EXPECT_EQ(configuration_.FindModel(300), nullptr);

  const auto& software = configuration_.software;
  EXPECT_TRUE(software.found);
  EXPECT_EQ(software.version, L"2.1");
  EXPECT_EQ(software.website, L"w");
  EXPECT_EQ(software.store, L"");  // missing: skipped without moving the search
  EXPECT_EQ(software.upgrade, L"u");
  EXPECT_EQ(software.copyright, L"c");
}

TEST_F(ConfigurationTest, SoftwareBeforeDeviceInfoIsNotFound) {
  ASSERT_EQ(Load(R"(<config><software name="Early" version="9"/>
      <device.info><keyboard name="K1" device_type="201"/></device.info></config>)"),
            XmlDocument::LoadResult::Ok);
  EXPECT_EQ(configuration_.models.size(), 1u);
  EXPECT_FALSE(configuration_.software.found);
  EXPECT_EQ(configuration_.software.version, L"");
}

TEST_F(ConfigurationTest, NumbersThatAreNotNumbersCountAsZero) {
  ASSERT_EQ(Load(R"(<config><device.info>
      <keyboard name="K" device_type="two hundred">
        <mode value="x" vid="zz12" pid="-" /></keyboard></device.info></config>)"),
            XmlDocument::LoadResult::Ok);
  const auto& mode = configuration_.models.at(0).modes.at(0);
  EXPECT_EQ(configuration_.models[0].device_type, 0);
  EXPECT_EQ(mode.value, 0);
  EXPECT_EQ(mode.vid, 0);
  EXPECT_EQ(mode.pid, 0);
}

TEST_F(ConfigurationTest, BadFilesLeaveNoModels) {
  const std::pair<std::string, XmlDocument::LoadResult> cases[] = {
      {"", XmlDocument::LoadResult::Empty},
      {"<config><device.info><keyboard name=\"K\"", XmlDocument::LoadResult::Malformed},
      {"<settings><device.info><keyboard/></device.info></settings>",
       XmlDocument::LoadResult::Malformed},
  };
  for (const auto& [content, expected] : cases) {
    configuration_.models.resize(3);
    EXPECT_EQ(Load(content), expected) << content;
    EXPECT_TRUE(configuration_.models.empty()) << content;
  }
  EXPECT_EQ(LoadConfiguration(scratch_ / "missing.xml", configuration_),
            XmlDocument::LoadResult::Missing);
}

TEST_F(ConfigurationTest, ShippedConfigurationDescribesTheSimulatedModel) {
  ASSERT_EQ(LoadConfiguration(std::filesystem::path(KEYVANE_SOURCE_DIR) / "data" / "config.xml",
                              configuration_),
            XmlDocument::LoadResult::Ok);
  const KeyboardModel* model = configuration_.FindModel(kActiveDeviceType);
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->modes.size(), 3u);
  EXPECT_TRUE(configuration_.software.found);
  EXPECT_FALSE(configuration_.software.version.empty());
}

}  // namespace
