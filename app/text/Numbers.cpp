#include "app/text/Numbers.h"

#include <climits>
#include <cstdint>

namespace {

size_t SkipSpaces(std::wstring_view text, size_t pos) {
  while (pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t' || text[pos] == L'\n' ||
                               text[pos] == L'\r' || text[pos] == L'\v' || text[pos] == L'\f')) {
    ++pos;
  }
  return pos;
}

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return 99;
}

int Convert(std::wstring_view text, int base) {
  size_t pos = SkipSpaces(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) negative = text[pos++] == L'-';
  if (base == 16 && pos + 1 < text.size() && text[pos] == L'0' &&
      (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
    pos += 2;
  }
  int64_t value = 0;
  for (; pos < text.size() && DigitValue(text[pos]) < base; ++pos) {
    value = value * base + DigitValue(text[pos]);
    if (value > static_cast<int64_t>(INT_MAX) + 1) value = static_cast<int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

}  // namespace

int LeadingDecimal(std::wstring_view text) {
  return Convert(text, 10);
}
int LeadingHex(std::wstring_view text) {
  return Convert(text, 16);
}
