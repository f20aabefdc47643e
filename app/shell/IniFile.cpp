#include "app/shell/IniFile.h"

#include "app/xml/TextDecoding.h"
#include "platform/Backend.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Text.h"

namespace {

// The file is walked line by line on every lookup instead of being split into a table once: a
// language file is read for each text the program shows, and a walk over the raw text is cheaper
// than building a table that is thrown away after one use.
class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : rest_(text) {}

  // The next line without its end and without surrounding blanks; false at the end of the text.
  bool Next(std::string_view& line) {
    if (done_) return false;
    const auto end = rest_.find_first_of("\r\n");
    line = Trim(rest_.substr(0, end));
    if (end == std::string_view::npos) {
      done_ = true;
    } else {
      // "\r\n" is one line end; a lone '\r' or '\n' is one too.
      const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
      rest_.remove_prefix(end + (crlf ? 2 : 1));
    }
    return true;
  }

  static std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\f\v");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\f\v");
    return text.substr(first, last - first + 1);
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsComment(std::string_view line) {
  return line.empty() || line.front() == ';' || line.front() == '#';
}

// The name of a "[name]" line; false for any other line. A line that opens a bracket without
// closing it still starts a section, named by the rest of the line.
bool SectionName(std::string_view line, std::string_view& name) {
  if (line.empty() || line.front() != '[') return false;
  const auto close = line.find(']');
  name = LineWalker::Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
  return true;
}

bool KeyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  key = LineWalker::Trim(line.substr(0, equals));
  value = LineWalker::Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return true;
}

// Calls `visit(key, value)` for each key=value line of the first section named `section` until it
// returns true.
template <typename Visit>
void WalkSection(std::string_view text, std::string_view section, Visit visit) {
  LineWalker lines(text);
  std::string_view line, name, key, value;
  bool inside = false;
  bool seen = false;
  while (lines.Next(line)) {
    if (IsComment(line)) continue;
    if (SectionName(line, name)) {
      if (inside) return;  // the first section of that name has ended
      inside = !seen && SameNameIgnoringCase(name, section);
      seen = seen || inside;
      continue;
    }
    if (inside && KeyAndValue(line, key, value) && visit(key, value)) return;
  }
}

}  // namespace

IniFile::LoadResult IniFile::Load(const std::filesystem::path& file,
                                  const std::string& system_code_page) {
  text_.clear();
  encoding_.clear();
  std::string bytes;
  switch (platform::ReadWholeFile(file, bytes)) {
    case platform::ReadFileResult::Ok:
      return Parse(bytes, system_code_page);
    case platform::ReadFileResult::Missing:
      return LoadResult::Missing;
    case platform::ReadFileResult::Unreadable:
      break;
  }
  return LoadResult::Unreadable;
}

IniFile::LoadResult IniFile::Parse(std::string_view bytes, const std::string& system_code_page) {
  text_.clear();
  encoding_.clear();
  const std::string code_page = system_code_page.empty()
                                    ? platform::Get<platform::Locale>().SystemCodePage()
                                    : system_code_page;
  auto decoded = DecodeText(bytes, code_page);
  if (!decoded) return LoadResult::Undecodable;
  text_ = std::move(decoded->utf8);
  encoding_ = std::move(decoded->encoding);
  return LoadResult::Ok;
}

std::optional<std::wstring> IniFile::Value(std::wstring_view section, std::wstring_view key) const {
  const std::string wanted_section = platform::ToUtf8(section);
  const std::string wanted_key = platform::ToUtf8(key);
  std::optional<std::wstring> found;
  WalkSection(text_, wanted_section, [&](std::string_view name, std::string_view value) {
    if (!SameNameIgnoringCase(name, wanted_key)) return false;
    found = platform::FromUtf8(value);
    return true;
  });
  return found;
}

std::vector<std::pair<std::wstring, std::wstring>> IniFile::Entries(
    std::wstring_view section) const {
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  WalkSection(text_, platform::ToUtf8(section), [&](std::string_view name, std::string_view value) {
    entries.emplace_back(platform::FromUtf8(name), platform::FromUtf8(value));
    return false;
  });
  return entries;
}
