// keyvanectl db: opens the current model's database as the program does and reports on it.
#include <cstdio>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/model/Configuration.h"
#include "app/shell/Startup.h"
#include "app/store/DataStore.h"
#include "platform/Text.h"

namespace {

struct DbReport {
  std::filesystem::path path;
  std::filesystem::path set_aside;  // where a damaged file was moved; empty when none
  bool sound = false;
  std::wstring integrity;
  std::vector<DataStore::TableRows> tables;
  bool has_version = false;
  std::wstring version;
};

void PrintJson(const DbReport& report) {
  JsonWriter json;
  json.BeginObject();
  json.Key("path");
  json.String(report.path.string());
  json.Key("set_aside");
  report.set_aside.empty() ? json.Null() : json.String(report.set_aside.string());
  json.Key("integrity_ok");
  json.Bool(report.sound);
  json.Key("integrity");
  json.String(report.integrity);
  json.Key("tables");
  json.BeginArray();
  for (const auto& table : report.tables) {
    json.BeginObject();
    json.Key("name");
    json.String(table.table);
    json.Key("rows");
    json.Number(static_cast<long long>(table.rows));
    json.EndObject();
  }
  json.EndArray();
  json.Key("schema_version");
  report.has_version ? json.String(report.version) : json.Null();
  json.EndObject();
  std::fputs(json.Text().c_str(), stdout);
}

void PrintText(const DbReport& report) {
  std::printf("Database: %s\n", report.path.c_str());
  if (!report.set_aside.empty()) {
    std::printf("The file was damaged: it was kept as %s and a new database made.\n",
                report.set_aside.c_str());
  }
  std::printf("Integrity: %s\n", platform::ToUtf8(report.integrity).c_str());
  std::printf("Tables:\n");
  for (const auto& table : report.tables) {
    if (table.rows < 0) {
      std::printf("  %-20s (unreadable)\n", table.table.c_str());
    } else {
      std::printf("  %-20s %d rows\n", table.table.c_str(), table.rows);
    }
  }
  std::printf("Schema version: %s\n",
              report.has_version ? platform::ToUtf8(report.version).c_str()
                                 : "not stored yet (written when the first profiles are made)");
}

int RunDb(const CtlOptions& options) {
  if (!options.arguments.empty()) return CtlFail("db takes no arguments");
  const auto file = ConfigurationFile();
  // The device name names the data folder, as at the program's start.
  ReadConfigurationName(file);
  Configuration configuration;
  if (!CtlLoadConfiguration(configuration)) return 1;
  const KeyboardModel* model = configuration.FindModel(kActiveDeviceType);
  if (!model) {
    return CtlFail(file.string() + ": no keyboard model of device type " +
                   std::to_string(kActiveDeviceType));
  }

  DataStore& store = DataStore::Instance();
  const auto data_folder = DataFolder();
  if (!store.OpenStore(data_folder, model->name)) {
    return CtlFail("cannot open the database " +
                   DataStore::StoreFile(data_folder, model->name).string());
  }
  store.SetDeviceId(model->device_type);

  DbReport report;
  report.path = store.Path();
  report.set_aside = store.SetAsideFile();
  report.sound = store.CheckIntegrity(report.integrity);
  report.tables = store.CountTableRows();
  report.has_version = store.GetConfigValue(L"version", report.version);
  store.Close();

  options.json ? PrintJson(report) : PrintText(report);
  return report.sound ? 0 : 1;
}

const CtlCommandRegistration registration(
    {"db", "[--json]",
     "open (creating if missing) the model's database, check it and count its rows", &RunDb});

}  // namespace
