#pragma once

#include <optional>
#include <string>
#include <string_view>

// Works out how a text file is encoded and turns it into UTF-8: byte order marks for UTF-8 and
// UTF-16 in both byte orders, UTF-16 without a mark told by its zero bytes, an encoding declared in
// an XML prolog, UTF-8, and as the last resort the system's legacy code page.
struct DecodedText {
  std::string utf8;
  std::string encoding;  // what the bytes were read as ("UTF-8", "UTF-16LE", "GBK", ...)
};

// `system_code_page` is the iconv name used for bytes that are not UTF-8 and declare nothing.
std::optional<DecodedText> DecodeText(std::string_view bytes, const std::string& system_code_page);

// The encoding named by an XML declaration at the start of 8-bit text ("GBK" for
// <?xml version="1.0" encoding="gbk"?>), upper-cased; empty when there is none.
std::string DeclaredEncoding(std::string_view bytes);
