#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/InstanceLock.h"

// What start-up found and did, step by step, before the main window opens.
struct StartupState {
  std::filesystem::path config_file;
  bool config_name_read = false;  // false: the built-in device name stands
  std::wstring device_name;

  platform::InstanceLock::Result instance = platform::InstanceLock::Result::Unavailable;
  std::unique_ptr<platform::InstanceLock::Holder> instance_holder;  // held for the process's life

  int language = 0;
  bool language_was_stored = false;  // false: taken from the user's interface language

  std::filesystem::path data_folder;  // <local data>/<device name> Files
  bool database_folder_ready = false;

  // True when another instance runs: this one must activate it and end.
  bool IsSecondInstance() const {
    return instance == platform::InstanceLock::Result::HeldElsewhere;
  }
};

// Reads the device name from <program folder>/config.xml (config > software > name) and hands it
// to the UI library. False when the file or the attribute is missing: the built-in name stands.
bool ReadConfigurationName(const std::filesystem::path& config_file);

// The stored language if there is one; otherwise 1033 for an English (US) interface and 2052 for
// any other, which is then stored too. Becomes the current language.
int ChooseLanguage(bool* was_stored = nullptr);

// <local data folder>/<device name> Files
std::filesystem::path DataFolder();

// Runs start-up up to the main window: device name, single instance, language, data folder.
// A second instance stops after the instance check.
StartupState StartUp();
