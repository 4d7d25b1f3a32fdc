#include "../../shared/portable/TextScan.h"

#include <gtest/gtest.h>

#include <climits>

struct IntCase {
  const wchar_t* text;
  std::optional<int> expected;
};

TEST(ScanInt, ReadsLikePercentD) {
  const IntCase cases[] = {
      {L"42", 42},          {L"  \t-17", -17},  {L"+8", 8},
      {L"12abc", 12},       {L"007", 7},        {L"0", 0},
      {L"", std::nullopt},  {L"   ", std::nullopt}, {L"abc", std::nullopt},
      {L"-", std::nullopt}, {L"+ 5", std::nullopt}, {L"3.9", 3},
      {L"2147483647", INT_MAX}, {L"-2147483648", INT_MIN},
      {L"99999999999999999999", INT_MAX}, {L"-99999999999999999999", INT_MIN},
  };
  for (const IntCase& c : cases) EXPECT_EQ(ScanInt(c.text), c.expected) << "text: \"" << c.text << '"';
}

struct DoubleCase {
  const wchar_t* text;
  std::optional<double> expected;
};

TEST(ScanDouble, ReadsLikePercentLf) {
  const DoubleCase cases[] = {
      {L"2.118", 2.118},    {L" 1.000", 1.0},   {L"3", 3.0},          {L".5", 0.5},
      {L"7.", 7.0},         {L"-0.25x", -0.25}, {L"1e3", 1000.0},     {L"1e", 1.0},
      {L"2E-2", 0.02},      {L"", std::nullopt}, {L".", std::nullopt}, {L"-.", std::nullopt},
      {L"abc", std::nullopt}, {L"1.2.3", 1.2},
  };
  for (const DoubleCase& c : cases) {
    const std::optional<double> value = ScanDouble(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << "text: \"" << c.text << '"';
    if (value) {
      EXPECT_DOUBLE_EQ(*value, *c.expected) << "text: \"" << c.text << '"';
    }
  }
}

TEST(ScanWholeDouble, TakesOnlyANumberWithTrailingBlanks) {
  const DoubleCase cases[] = {
      {L"12", 12.0},         {L" -2.5 \t", -2.5},  {L"1e3\r\n", 1000.0}, {L"12x", std::nullopt},
      {L"1e", std::nullopt}, {L"1.2.3", std::nullopt}, {L"", std::nullopt}, {L" ", std::nullopt},
      {L"1 2", std::nullopt},
  };
  for (const DoubleCase& c : cases) EXPECT_EQ(ScanWholeDouble(c.text), c.expected) << "text: \"" << c.text << '"';
}
