#include "platform/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTest, Utf8RoundTrip) {
  for (const std::wstring text : {L"", L"Keyvane", L"配置方案 2", L"宏 \U0001F3B9 é"}) {
    EXPECT_EQ(platform::FromUtf8(platform::ToUtf8(text)), text);
    EXPECT_TRUE(platform::IsValidUtf8(platform::ToUtf8(text)));
  }
}

TEST(TextTest, InvalidUtf8BecomesReplacementCharacters) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"a\xFF"
       "b",
       L"a\uFFFDb"},
      {"\xC3", L"\uFFFD"},                      // truncated sequence
      {"\xC0\xAF", L"\uFFFD\uFFFD"},            // overlong slash
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_FALSE(platform::IsValidUtf8(bytes));
    EXPECT_EQ(platform::FromUtf8(bytes), expected);
  }
}

TEST(TextTest, ConvertsLegacyEncodings) {
  EXPECT_EQ(platform::ConvertToUtf8("\xC5\xE4\xD6\xC3", "GBK"), "配置");
  EXPECT_EQ(platform::ConvertToUtf8("caf\xE9", "CP1252"), "café");
  EXPECT_FALSE(platform::ConvertToUtf8("\x81", "GBK").has_value());  // truncated
  EXPECT_FALSE(platform::ConvertToUtf8("abc", "NO-SUCH-ENCODING").has_value());
}

}  // namespace
