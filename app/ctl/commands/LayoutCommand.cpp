// keyvanectl layout: what the program reads from a model's device file, with the problems a
// device file writer would want to know about.
#include <cstdio>
#include <string>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/model/Configuration.h"
#include "app/model/DeviceFile.h"
#include "app/model/LayoutWarnings.h"
#include "app/model/MenuFlags.h"
#include "app/text/Numbers.h"
#include "platform/Text.h"

namespace {

std::string U8(const std::wstring& text) {
  return platform::ToUtf8(text);
}

std::string Hex(int value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*X", digits, static_cast<unsigned>(value));
  return buffer;
}

std::string PageNames(int flags) {
  std::string names;
  for (const auto& [flag, name] :
       {std::pair{kMenuKeyAssignment, "key assignment"}, std::pair{kMenuMacro, "macro"},
        std::pair{kMenuLighting, "lighting"},
        std::pair{kMenuSettingsView, "settings keyboard view"}}) {
    if (flags & flag) names += (names.empty() ? "" : ", ") + std::string(name);
  }
  return names.empty() ? "none" : names;
}

struct LoadedModel {
  std::filesystem::path file;
  const KeyboardModel* model = nullptr;
  DeviceFile device;
  std::vector<std::wstring> warnings;
};

void JsonInt(JsonWriter& json, const char* key, long long value) {
  json.Key(key);
  json.Number(value);
}

void JsonText(JsonWriter& json, const char* key, const std::wstring& value) {
  json.Key(key);
  json.String(value);
}

void JsonCell(JsonWriter& json, const char* key, const LayoutKey& item, int value) {
  json.Key(key);
  if (item.row_col.empty()) {
    json.Null();
  } else {
    json.Number(static_cast<long long>(value));
  }
}

void JsonKeys(JsonWriter& json, const KeyLayout& layout) {
  json.Key("keys");
  json.BeginArray();
  for (const LayoutKey& key : layout.Keys()) {
    json.BeginObject();
    JsonInt(json, "code", key.code);
    JsonText(json, "name", key.name);
    JsonText(json, "desc", key.desc);
    JsonInt(json, "key_index", key.key_index);
    JsonInt(json, "light_index", key.light_index);
    JsonText(json, "icon", key.icon);
    JsonCell(json, "row", key, key.cell.row);
    JsonCell(json, "col", key, key.cell.col);
    JsonInt(json, "left", key.rect.left);
    JsonInt(json, "top", key.rect.top);
    JsonInt(json, "right", key.rect.right);
    JsonInt(json, "bottom", key.rect.bottom);
    json.EndObject();
  }
  json.EndArray();
}

void PrintJson(const LoadedModel& loaded) {
  const DeviceInfo& info = loaded.device.Info();
  const KeyLayout& layout = loaded.device.Layout();
  JsonWriter json;
  json.BeginObject();
  json.Key("file");
  json.String(loaded.file.string());
  JsonText(json, "model", loaded.model->name);
  JsonInt(json, "device_type", loaded.model->device_type);

  json.Key("menu");
  json.BeginObject();
  json.Key("found");
  json.Bool(info.menu_found);
  JsonInt(json, "flags", loaded.device.MenuFlags());
  json.EndObject();

  json.Key("sleep_time");
  json.Bool(info.sleep_time);

  json.Key("firmware");
  json.BeginObject();
  JsonText(json, "version", info.firmware.version);
  JsonText(json, "file", info.firmware.file);
  JsonText(json, "url", info.firmware.url);
  json.Key("offers_update");
  json.Bool(info.firmware.OffersUpdate());
  json.EndObject();

  json.Key("light");
  const LightInfo& light = info.light;
  if (!light.found) {
    json.Null();
  } else {
    json.BeginObject();
    json.Key("rgb_keyboard");
    json.Bool(light.rgb_keyboard);
    JsonInt(json, "default_mode", light.default_mode);
    JsonInt(json, "default_brightness", light.default_brightness);
    JsonInt(json, "default_speed", light.default_speed);
    JsonInt(json, "brightness_max", light.brightness_max);
    JsonInt(json, "speed_max", light.speed_max);
    json.Key("info");
    json.BeginArray();
    for (const LightModeInfo& mode : light.modes) {
      json.BeginObject();
      JsonText(json, "name", mode.name);
      JsonInt(json, "mode", mode.mode);
      JsonInt(json, "attribute", mode.attribute);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }

  json.Key("keyboard");
  const KeyboardArea& area = layout.Keyboard();
  if (!area.found) {
    json.Null();
  } else {
    json.BeginObject();
    JsonInt(json, "xpos", area.xpos);
    JsonInt(json, "ypos", area.ypos);
    JsonInt(json, "width", area.width);
    JsonInt(json, "height", area.height);
    JsonText(json, "image", area.image);
    JsonInt(json, "row_count", area.row_count);
    JsonInt(json, "col_count", area.col_count);
    json.EndObject();
  }

  JsonKeys(json, layout);

  // The used part of the matrix; 255 marks an empty cell.
  json.Key("matrix");
  json.BeginArray();
  for (int row = 0; row < layout.RowCount(); ++row) {
    json.BeginArray();
    for (int col = 0; col < layout.ColCount(); ++col) {
      json.Number(static_cast<long long>(layout.MatrixCode(row, col)));
    }
    json.EndArray();
  }
  json.EndArray();

  json.Key("warnings");
  json.BeginArray();
  for (const auto& warning : loaded.warnings)
    json.String(warning);
  json.EndArray();
  json.EndObject();
  std::fputs(json.Text().c_str(), stdout);
}

void PrintText(const LoadedModel& loaded) {
  const DeviceInfo& info = loaded.device.Info();
  const KeyLayout& layout = loaded.device.Layout();
  std::printf("File: %s\n", loaded.file.c_str());
  std::printf("Model \"%s\", device type %d\n", U8(loaded.model->name).c_str(),
              loaded.model->device_type);
  const int flags = loaded.device.MenuFlags();
  std::printf("Pages: %s (menu flags 0x%s%s)\n", PageNames(flags).c_str(), Hex(flags, 2).c_str(),
              info.menu_found ? "" : ", no menu element");
  std::printf("Sleep time: %s\n", info.sleep_time ? "yes" : "no");
  std::printf("Firmware: version \"%s\", tool \"%s\", from \"%s\"%s\n",
              U8(info.firmware.version).c_str(), U8(info.firmware.file).c_str(),
              U8(info.firmware.url).c_str(),
              info.firmware.OffersUpdate() ? "" : " (no update offered)");

  const LightInfo& light = info.light;
  if (!light.found) {
    std::printf("Light: no light element\n");
  } else {
    std::printf("Light: %s, default mode %d, brightness %d of %d, speed %d of %d, %zu modes\n",
                light.rgb_keyboard ? "RGB" : "single colour", light.default_mode,
                light.default_brightness, light.brightness_max, light.default_speed,
                light.speed_max, light.modes.size());
    for (const LightModeInfo& mode : light.modes) {
      std::printf("  mode %3d  name %-8s  attribute 0x%s\n", mode.mode, U8(mode.name).c_str(),
                  Hex(mode.attribute, 3).c_str());
    }
  }

  const KeyboardArea& area = layout.Keyboard();
  if (!area.found) {
    std::printf("Keyboard: no Keyboard element\n");
  } else {
    std::printf("Keyboard: at %d,%d, %d x %d, picture keyboard/%s, matrix %d x %d\n", area.xpos,
                area.ypos, area.width, area.height, U8(area.image).c_str(), area.row_count,
                area.col_count);
  }
  std::printf("Keys: %zu\n", layout.Keys().size());
  std::printf("  code  position  cell   left   top  right  bottom  name\n");
  for (const LayoutKey& key : layout.Keys()) {
    std::printf("  %4s  %8d  %-5s %5d %5d  %5d   %5d  %s\n", Hex(key.code, 2).c_str(),
                key.key_index, U8(key.row_col).c_str(), key.rect.left, key.rect.top, key.rect.right,
                key.rect.bottom, U8(key.name).c_str());
  }
  std::printf("Matrix: %d x %d (key codes, .. for an empty cell)\n", layout.RowCount(),
              layout.ColCount());
  for (int row = 0; row < layout.RowCount(); ++row) {
    std::printf("  %d:", row);
    for (int col = 0; col < layout.ColCount(); ++col) {
      const int code = layout.MatrixCode(row, col);
      std::printf(" %s", code == KeyLayout::kEmptyCell ? ".." : Hex(code, 2).c_str());
    }
    std::printf("\n");
  }
  if (loaded.warnings.empty()) {
    std::printf("No warnings.\n");
  } else {
    std::printf("Warnings: %zu\n", loaded.warnings.size());
    for (const auto& warning : loaded.warnings)
      std::printf("  %s\n", U8(warning).c_str());
  }
}

int RunLayout(const CtlOptions& options) {
  if (options.arguments.size() > 1) return CtlFail("layout takes at most a device type");
  int device_type = kActiveDeviceType;
  if (!options.arguments.empty()) {
    const std::wstring text = platform::FromUtf8(options.arguments[0]);
    device_type = LeadingDecimal(text);
    if (text.empty() || std::to_wstring(device_type) != text) {
      CtlFail("device type must be a number: " + options.arguments[0]);
      return 2;
    }
  }

  const auto config_file = ConfigurationFile();
  Configuration configuration;
  if (!CtlLoadConfiguration(configuration)) return 1;
  LoadedModel loaded;
  loaded.model = configuration.FindModel(device_type);
  if (!loaded.model) {
    return CtlFail(config_file.string() + " has no keyboard of device type " +
                   std::to_string(device_type));
  }
  loaded.file = DeviceFilePath(loaded.model->device_info);
  const auto result = loaded.device.Load(loaded.file);
  if (result != XmlDocument::LoadResult::Ok) {
    return CtlFail(loaded.file.string() + ": " + DescribeLoadResult(result));
  }
  loaded.warnings = CheckKeyLayout(loaded.device.Layout());
  options.json ? PrintJson(loaded) : PrintText(loaded);
  return 0;
}

const CtlCommandRegistration registration(
    {"layout", "[--json] [DEVICE_TYPE]",
     "show a model's device file: pages, firmware, light modes, keys and light matrix (201 by "
     "default)",
     &RunLayout});

}  // namespace
