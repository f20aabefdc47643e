#pragma once

#include <filesystem>
#include <string_view>

#include "app/model/DeviceInfo.h"
#include "app/model/KeyLayout.h"
#include "app/model/KeyboardViews.h"
#include "app/xml/XmlDocument.h"

// A keyboard model's device file: its pages, firmware, light modes and key layout. The object
// lives as long as the main window and is loaded again whenever another model is chosen.
class DeviceFile {
 public:
  // Reads the file and hands the keys to the views the menu flags select. Whatever the file
  // holds, the previous model's firmware, light modes and keys are gone afterwards; when the file
  // cannot be read they stay empty. The menu flags change only when the file has a `menu`.
  XmlDocument::LoadResult Load(const std::filesystem::path& file, const KeyboardViews& views = {});
  // The same for a document already read; its root must be `device.info`.
  XmlDocument::LoadResult Read(XmlDocument& document, const KeyboardViews& views = {});

  // The main window forces some pages on for some families, so it may set the flags itself.
  int MenuFlags() const { return menu_flags_; }
  void SetMenuFlags(int flags) { menu_flags_ = flags; }

  const DeviceInfo& Info() const { return info_; }
  const KeyLayout& Layout() const { return layout_; }

 private:
  void Reset();

  int menu_flags_ = 0;
  DeviceInfo info_;
  KeyLayout layout_;
};

// <program folder>/layouts/<device_info>.xml. The name is made safe first, so a model name from
// config.xml cannot point outside the layouts folder.
std::filesystem::path DeviceFilePath(std::wstring_view device_info);
