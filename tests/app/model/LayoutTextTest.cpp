#include "app/model/LayoutText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(LayoutTextTest, RectFieldsWithMissingSeparatorsLeaveTheLastNumberAsHeight) {
  const struct {
    const wchar_t* text;
    KeyRect expected;
  } cases[] = {
      {L"10#20#30#40", {10, 20, 40, 60}},
      {L"10#20", {10, 0, 10, 20}},  // x, then h: y and w have no "#" of their own
      {L"1#2#3", {1, 2, 1, 5}},
      {L"7", {0, 0, 0, 7}},
      {L"", {0, 0, 0, 0}},
      {L"###", {0, 0, 0, 0}},
      {L"1#2#3#4#5", {1, 2, 4, 6}},  // the rest after the third "#" starts with the height
      {L"a#-5#x10#12", {0, -5, 0, 7}},
      {L" 3 # 4 # 5 # 6 ", {3, 4, 8, 10}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseKeyRect(c.text), c.expected) << c.text;
  }
}

TEST(LayoutTextTest, RectSumsBeyondTheIntRangeAreClamped) {
  const KeyRect rect = ParseKeyRect(L"2147483647#-2147483648#2147483647#-5");
  EXPECT_EQ(rect.left, INT_MAX);
  EXPECT_EQ(rect.right, INT_MAX);
  EXPECT_EQ(rect.top, INT_MIN);
  EXPECT_EQ(rect.bottom, INT_MIN);
  EXPECT_TRUE(rect.IsEmpty());
}

TEST(LayoutTextTest, RowColTakesTheFirstCharacterAndOneOrTwoLastOnes) {
  const struct {
    const wchar_t* text;
    MatrixCell expected;
  } cases[] = {
      {L"2,7", {2, 7}},   {L"2,17", {2, 17}}, {L"27", {2, 27}}, {L"0,5", {0, 5}},
      {L"3,12", {3, 12}}, {L"9,40", {9, 40}}, {L"5", {5, 5}},   {L"x,4", {0, 4}},
      {L"2,-1", {2, -1}}, {L"1;3", {1, 3}},   {L"", {-1, -1}},  // empty: no cell at all
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseRowCol(c.text), c.expected) << c.text;
  }
}

}  // namespace
