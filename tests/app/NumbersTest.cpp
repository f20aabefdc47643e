#include "app/text/Numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(NumbersTest, LeadingDigitsConversion) {
  const std::pair<const wchar_t*, int> decimals[] = {
      {L"2052", 2052},
      {L"  42abc", 42},
      {L"-7", -7},
      {L"+3", 3},
      {L"abc", 0},
      {L"", 0},
      {L"99999999999", 2147483647},
      {L"-99999999999", -2147483647 - 1},
  };
  for (const auto& [text, value] : decimals)
    EXPECT_EQ(LeadingDecimal(text), value) << text;
  const std::pair<const wchar_t*, int> hexes[] = {
      {L"1D57", 0x1D57}, {L"fa60", 0xFA60}, {L"0x10", 16}, {L"zz", 0}, {L"12g", 0x12},
  };
  for (const auto& [text, value] : hexes)
    EXPECT_EQ(LeadingHex(text), value) << text;
}

}  // namespace
