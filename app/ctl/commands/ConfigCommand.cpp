// keyvanectl config: what the program reads from config.xml, and from where.
#include <cstdio>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/model/Configuration.h"
#include "platform/Text.h"

namespace {

std::string U8(const std::wstring& text) {
  return platform::ToUtf8(text);
}

std::string Hex4(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04X", value);
  return buffer;
}

void PrintJson(const std::filesystem::path& file, const Configuration& configuration) {
  JsonWriter json;
  json.BeginObject();
  json.Key("file");
  json.String(file.string());
  json.Key("keyboard");
  json.BeginArray();
  for (const auto& model : configuration.models) {
    json.BeginObject();
    json.Key("name");
    json.String(model.name);
    json.Key("device_type");
    json.Number(static_cast<long long>(model.device_type));
    json.Key("device_info");
    json.String(model.device_info);
    json.Key("mode");
    json.BeginArray();
    for (const auto& mode : model.modes) {
      json.BeginObject();
      json.Key("value");
      json.Number(static_cast<long long>(mode.value));
      json.Key("desc");
      json.String(mode.desc);
      json.Key("vid");
      json.Number(static_cast<long long>(mode.vid));
      json.Key("pid");
      json.Number(static_cast<long long>(mode.pid));
      json.Key("product_name");
      json.String(mode.product_name);
      json.Key("hid_interface");
      json.String(mode.hid_interface);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.Key("software");
  const auto& software = configuration.software;
  if (!software.found) {
    json.Null();
  } else {
    json.BeginObject();
    for (const auto& [key, value] :
         {std::pair{"name", &software.name}, std::pair{"version", &software.version},
          std::pair{"website", &software.website}, std::pair{"store", &software.store},
          std::pair{"upgrade", &software.upgrade}, std::pair{"copyright", &software.copyright}}) {
      json.Key(key);
      json.String(*value);
    }
    json.EndObject();
  }
  json.EndObject();
  std::fputs(json.Text().c_str(), stdout);
}

void PrintText(const std::filesystem::path& file, const Configuration& configuration) {
  std::printf("File: %s\n", file.c_str());
  for (const auto& model : configuration.models) {
    std::printf("Keyboard \"%s\": device type %d, device file layouts/%s.xml\n",
                U8(model.name).c_str(), model.device_type, U8(model.device_info).c_str());
    for (const auto& mode : model.modes) {
      std::printf("  mode %d (%s): VID %s PID %s, interface \"%s\"%s\n", mode.value,
                  U8(mode.desc).c_str(), Hex4(mode.vid).c_str(), Hex4(mode.pid).c_str(),
                  U8(mode.hid_interface).c_str(),
                  mode.product_name.empty()
                      ? ""
                      : (", product \"" + U8(mode.product_name) + "\" (never matches)").c_str());
    }
  }
  if (configuration.models.empty()) std::printf("No keyboard models.\n");
  const auto& software = configuration.software;
  if (!software.found) {
    std::printf("No software entry after device.info.\n");
    return;
  }
  std::printf("Software \"%s\" version %s\n", U8(software.name).c_str(),
              U8(software.version).c_str());
  std::printf("  website %s\n  store %s\n  upgrade %s\n  copyright %s\n",
              U8(software.website).c_str(), U8(software.store).c_str(),
              U8(software.upgrade).c_str(), U8(software.copyright).c_str());
}

int RunConfig(const CtlOptions& options) {
  if (!options.arguments.empty()) return CtlFail("config takes no arguments");
  const auto file = ConfigurationFile();
  Configuration configuration;
  if (!CtlLoadConfiguration(configuration)) return 1;
  options.json ? PrintJson(file, configuration) : PrintText(file, configuration);
  return 0;
}

const CtlCommandRegistration registration({"config", "[--json]",
                                           "show what the program reads from config.xml",
                                           &RunConfig});

}  // namespace
