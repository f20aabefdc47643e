#include <gtest/gtest.h>

#include "tests/app/store/RawSqlite.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

// The program folder's config.xml names the device "Keyvane" and its model "Keyvane K104".
std::filesystem::path DatabaseIn(const ScratchFolder& home) {
  return home / "Keyvane Files" / "db" / "Keyvane K104_data_v1.db";
}

TEST(DbCommandTest, CreatesTheModelsDatabaseAndReportsIt) {
  ScratchFolder home;
  const auto result = RunProgram("keyvanectl", {"db"}, {"XDG_DATA_HOME=" + home.Path().string()});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_TRUE(std::filesystem::is_regular_file(DatabaseIn(home)));
  EXPECT_NE(result.output.find("Database: " + DatabaseIn(home).string()), std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find("Integrity: ok"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("t_musiclayer_data    0 rows"), std::string::npos) << result.output;

  // Rows written by anyone show in the counts, and the stored version with them.
  {
    RawSqlite raw(DatabaseIn(home));
    ASSERT_TRUE(raw.Execute(
        "INSERT INTO t_configdata(profile, key, value) VALUES (1, 'version', '1.0.1');"
        "INSERT INTO t_profile_data(name, status, app, type) VALUES ('P1', 1, '', 0);"
        "INSERT INTO t_profile_data(name, status, app, type) VALUES ('P2', 0, '', 0);"));
  }
  const auto json =
      RunProgram("keyvanectl", {"db", "--json"}, {"XDG_DATA_HOME=" + home.Path().string()});
  ASSERT_EQ(json.exit_code, 0) << json.output;
  EXPECT_NE(json.output.find("\"integrity_ok\": true"), std::string::npos) << json.output;
  EXPECT_NE(json.output.find("\"name\": \"t_profile_data\",\n      \"rows\": 2"), std::string::npos)
      << json.output;
  EXPECT_NE(json.output.find("\"schema_version\": \"1.0.1\""), std::string::npos) << json.output;
  EXPECT_NE(json.output.find("\"set_aside\": null"), std::string::npos) << json.output;
}

TEST(DbCommandTest, ReportsADamagedFileKeptAside) {
  ScratchFolder home;
  WriteTestFile(DatabaseIn(home), std::string(4096, 'x'));
  const auto result =
      RunProgram("keyvanectl", {"db", "--json"}, {"XDG_DATA_HOME=" + home.Path().string()});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  const std::string aside = "\"set_aside\": \"" + DatabaseIn(home).string() + ".corrupt-";
  EXPECT_NE(result.output.find(aside), std::string::npos) << result.output;
  EXPECT_EQ(RawSqlite(DatabaseIn(home)).Text("PRAGMA integrity_check"), "ok");
}

TEST(DbCommandTest, RefusesArguments) {
  ScratchFolder home;
  const auto result =
      RunProgram("keyvanectl", {"db", "extra"}, {"XDG_DATA_HOME=" + home.Path().string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.output.find("db takes no arguments"), std::string::npos) << result.output;
}

}  // namespace
