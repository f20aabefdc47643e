#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An initialisation file as the program's language files use it: [section] lines, key=value lines,
// and comment lines starting with ';' or '#'. Section and key names are compared without ASCII
// case; blanks around names and values are dropped, as is one pair of matching quotes around a
// value. The first section of a name and its first key of a name win; lines that are none of the
// above are ignored. The encoding is found as for the XML files: byte order marks, UTF-16 without
// a mark, UTF-8, and the system's legacy code page as the last resort.
class IniFile {
 public:
  enum class LoadResult { Ok, Missing, Unreadable, Undecodable };

  // `system_code_page` is the iconv name for 8-bit text that is not UTF-8; empty means the one of
  // the user's locale.
  LoadResult Load(const std::filesystem::path& file, const std::string& system_code_page = "");
  LoadResult Parse(std::string_view bytes, const std::string& system_code_page = "");

  // The value of `key` in `section`; nothing when the section or the key is missing.
  std::optional<std::wstring> Value(std::wstring_view section, std::wstring_view key) const;
  // The key=value lines of the first section of that name, in file order.
  std::vector<std::pair<std::wstring, std::wstring>> Entries(std::wstring_view section) const;

  // What the bytes were read as ("UTF-8", "UTF-16LE", "GBK", ...); empty before a load.
  const std::string& Encoding() const { return encoding_; }

 private:
  std::string text_;  // the whole file as UTF-8
  std::string encoding_;
};
