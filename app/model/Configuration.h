#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/xml/XmlDocument.h"

// One connection mode of a keyboard model: how it is reached (cable or one of the two wireless
// links) and the USB identity of its interfaces.
struct ConnectionMode {
  int value = 0;  // connection mode: 0 cable, 1 and 2 the wireless links
  std::wstring desc;
  int vid = 0;
  int pid = 0;
  std::wstring product_name;   // product string the interface must report; empty matches any
  std::wstring hid_interface;  // a piece of the interface path that identifies this mode
};

// One supported keyboard model.
struct KeyboardModel {
  std::wstring name;  // shown in the device selector; names the model's database
  int device_type = 0;
  std::wstring device_info;  // base name of the model's device file in layouts/
  std::vector<ConnectionMode> modes;
};

// The application's own entry: its name, version and web addresses.
struct SoftwareInfo {
  bool found = false;
  std::wstring name;
  std::wstring version;
  std::wstring website;
  std::wstring store;
  std::wstring upgrade;
  std::wstring copyright;
};

// The mode list that plug and unplug notifications are matched against: one record per mode, in
// file order, with its model's device type and device file.
struct ModeRecord {
  std::wstring product_name;
  int device_type = 0;
  std::wstring device_info;
  int connection_mode = 0;
  int vid = 0;
  int pid = 0;
  std::wstring desc;
  std::wstring hid_interface;
  int connected = 0;
};

// What config.xml says: the supported models and the application's own entry.
struct Configuration {
  std::vector<KeyboardModel> models;
  SoftwareInfo software;

  // The first model of a device type, or null.
  const KeyboardModel* FindModel(int device_type) const;
  std::vector<ModeRecord> ModeRecords() const;
};

// The device type whose model this build works with.
constexpr int kActiveDeviceType = 201;

// <program folder>/config.xml
std::filesystem::path ConfigurationFile();

// Reads config.xml. Elements are found in document order: `software` must follow `device.info`.
// On any failure `configuration` is left empty and the result says why.
XmlDocument::LoadResult LoadConfiguration(const std::filesystem::path& file,
                                          Configuration& configuration);
// The same from the file's bytes, and from a document already read.
XmlDocument::LoadResult ParseConfiguration(std::string_view bytes, Configuration& configuration);
XmlDocument::LoadResult ReadConfiguration(XmlDocument& document, Configuration& configuration);
