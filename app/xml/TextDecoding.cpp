#include "app/xml/TextDecoding.h"

#include <cctype>

#include "platform/Text.h"

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::optional<DecodedText> Convert(std::string_view bytes, const std::string& encoding) {
  auto utf8 = platform::ConvertToUtf8(bytes, encoding);
  if (!utf8) return std::nullopt;
  return DecodedText{std::move(*utf8), encoding};
}

// Names that old files use for encodings iconv calls otherwise, or for which the system reads a
// larger superset (as the Windows code pages do).
std::string CanonicalEncoding(std::string name) {
  if (name == "UTF8") return "UTF-8";
  if (name == "GB2312" || name == "CP936" || name == "X-GBK") return "GBK";
  if (name == "BIG-5" || name == "CP950") return "BIG5";
  if (name == "SHIFT-JIS" || name == "SJIS" || name == "SHIFT_JIS") return "CP932";
  return name;
}

bool IsUtf8Name(const std::string& name) {
  return name == "UTF-8";
}
bool IsUtf16Name(const std::string& name) {
  return name.rfind("UTF-16", 0) == 0 || name == "UCS-2";
}

}  // namespace

std::string DeclaredEncoding(std::string_view bytes) {
  if (!StartsWith(bytes, "<?xml")) return "";
  const size_t end = bytes.find("?>");
  if (end == std::string_view::npos) return "";
  const std::string_view prolog = bytes.substr(0, end);
  size_t pos = prolog.find("encoding");
  if (pos == std::string_view::npos) return "";
  pos += 8;
  while (pos < prolog.size() && std::isspace(static_cast<unsigned char>(prolog[pos])))
    ++pos;
  if (pos >= prolog.size() || prolog[pos] != '=') return "";
  ++pos;
  while (pos < prolog.size() && std::isspace(static_cast<unsigned char>(prolog[pos])))
    ++pos;
  if (pos >= prolog.size() || (prolog[pos] != '"' && prolog[pos] != '\'')) return "";
  const char quote = prolog[pos++];
  const size_t close = prolog.find(quote, pos);
  if (close == std::string_view::npos) return "";
  std::string name(prolog.substr(pos, close - pos));
  for (auto& c : name)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return CanonicalEncoding(name);
}

std::optional<DecodedText> DecodeText(std::string_view bytes, const std::string& system_code_page) {
  // A byte order mark settles it.
  if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
    if (!platform::IsValidUtf8(bytes)) return std::nullopt;
    return DecodedText{std::string(bytes), "UTF-8"};
  }
  if (StartsWith(bytes, "\xFF\xFE")) return Convert(bytes.substr(2), "UTF-16LE");
  if (StartsWith(bytes, "\xFE\xFF")) return Convert(bytes.substr(2), "UTF-16BE");

  // UTF-16 without a mark: an ASCII first character leaves a zero byte beside it.
  if (bytes.size() >= 2) {
    if (bytes[0] != 0 && bytes[1] == 0) return Convert(bytes, "UTF-16LE");
    if (bytes[0] == 0 && bytes[1] != 0) return Convert(bytes, "UTF-16BE");
  }

  // 8-bit text: a declared encoding other than UTF-8 is honoured (a declared UTF-16 cannot be
  // right for text without zero bytes, so it is ignored).
  const std::string declared = DeclaredEncoding(bytes);
  if (!declared.empty() && !IsUtf8Name(declared) && !IsUtf16Name(declared)) {
    return Convert(bytes, declared);
  }
  if (platform::IsValidUtf8(bytes)) return DecodedText{std::string(bytes), "UTF-8"};
  // Not UTF-8 after all: most likely saved in the system's legacy code page.
  return Convert(bytes, CanonicalEncoding(system_code_page));
}
