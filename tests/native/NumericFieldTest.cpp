#include "../../shared/portable/NumericField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

struct Range {
  float minimum, maximum;
};
constexpr Range kAnyFloat{-FLT_MAX, FLT_MAX};
constexpr Range kCount{1, 10000000};
constexpr Range kDuration{0, 10000000};

NumericField FieldWith(Range range, float delta = 1.0f) {
  NumericField field;
  field.minimum = range.minimum;
  field.maximum = range.maximum;
  field.delta = delta;
  return field;
}

}  // namespace

TEST(NumericField, ChecksText) {
  const struct {
    Range range;
    const wchar_t* text;
    NumberCheck expected;
  } cases[] = {
      {kCount, L"12", NumberCheck::Valid},
      {kCount, L"12 ", NumberCheck::Valid},
      {kCount, L" 12\t", NumberCheck::Valid},
      {kCount, L"10000000", NumberCheck::Valid},
      {kAnyFloat, L"-2.5", NumberCheck::Valid},
      {kAnyFloat, L"+.5", NumberCheck::Valid},
      {kAnyFloat, L"1e3", NumberCheck::Valid},
      {kCount, L"0", NumberCheck::OutOfRange},
      {kCount, L"10000001", NumberCheck::OutOfRange},
      {kDuration, L"-1", NumberCheck::OutOfRange},
      {kAnyFloat, L"1e39", NumberCheck::OutOfRange},
      {kAnyFloat, L"-1e39", NumberCheck::OutOfRange},
      {kCount, L"-", NumberCheck::LoneSign},
      {kCount, L"+", NumberCheck::LoneSign},
      {kCount, L"12x", NumberCheck::NotANumber},
      {kCount, L"", NumberCheck::NotANumber},
      {kCount, L" ", NumberCheck::NotANumber},
      {kCount, L"abc", NumberCheck::NotANumber},
      {kCount, L"--", NumberCheck::NotANumber},
      {kCount, L"- ", NumberCheck::NotANumber},
      {kCount, L"1 2", NumberCheck::NotANumber},
      {kCount, L"1e", NumberCheck::NotANumber},
      {kAnyFloat, L"inf", NumberCheck::NotANumber},
      {kAnyFloat, L"nan", NumberCheck::NotANumber},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldWith(c.range).Check(c.text), c.expected) << "text: \"" << c.text << '"';
  }
}

TEST(NumericField, ReadsValidTextAndFallsBackToTheMinimum) {
  const struct {
    Range range;
    const wchar_t* text;
    float expected;
  } cases[] = {
      {kCount, L"12", 12.0f},        {kAnyFloat, L" -2.5 ", -2.5f}, {kCount, L"12x", 1.0f},
      {kCount, L"0", 1.0f},          {kDuration, L"", 0.0f},        {kDuration, L"-", 0.0f},
      {kAnyFloat, L"abc", -FLT_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldWith(c.range).ValueOf(c.text), c.expected) << "text: \"" << c.text << '"';
  }
}

// Each row formats its values one after the other in one field, since the decimals
// a field has shown carry over to later values.
TEST(NumericField, FormatsValuesWithTheDecimalsShownSoFar) {
  const struct {
    Range range;
    std::vector<float> values;
    std::vector<const wchar_t*> expected;
  } cases[] = {
      {kAnyFloat, {0}, {L"0"}},
      {kAnyFloat, {2.5f, 3}, {L"2.5", L"3.0"}},
      {kAnyFloat, {-2.25f, 10, 0.5f}, {L"-2.25", L"10.00", L"0.50"}},
      {kAnyFloat, {0.1f}, {L"0.1"}},
      {kAnyFloat, {1.0f / 3}, {L"0.333333"}},
      // Large and small values in exponent form: the exponent is not counted as decimals.
      {kAnyFloat, {1234567, 1234568}, {L"1234567", L"1234568"}},
      {kAnyFloat, {1200001}, {L"1200001"}},
      {kAnyFloat, {0.00001f}, {L"0.00001"}},
      {kAnyFloat, {0.000015f, 1}, {L"0.000015", L"1.000000"}},
      {kCount, {1, 10000000}, {L"1", L"10000000"}},
  };
  for (const auto& c : cases) {
    NumericField field = FieldWith(c.range);
    ASSERT_EQ(c.values.size(), c.expected.size());
    for (size_t i = 0; i < c.values.size(); ++i) {
      EXPECT_EQ(field.Format(c.values[i]), std::wstring(c.expected[i])) << "value " << c.values[i];
    }
  }
}

TEST(NumericField, RefusesValuesOutsideTheRangeWithoutGainingDecimals) {
  const struct {
    Range range;
    float value;
  } cases[] = {
      {kCount, 0}, {kCount, 0.5f}, {kCount, 10000001}, {kDuration, -1}, {kAnyFloat, NAN}, {kAnyFloat, INFINITY},
  };
  for (const auto& c : cases) {
    NumericField field = FieldWith(c.range);
    EXPECT_EQ(field.Format(c.value), std::nullopt) << "value " << c.value;
    EXPECT_EQ(field.decimals, 0) << "value " << c.value;
  }
}

// What one spin notification of steps does to the field's text.
TEST(NumericField, StepsTheTextWithinTheRange) {
  const struct {
    Range range;
    float delta;
    const wchar_t* text;
    int steps;
    const wchar_t* expected;
  } cases[] = {
      {kCount, 1, L"10", 1, L"11"},
      {kCount, 1, L"10", -1, L"9"},
      {kCount, 1, L"1", -1, L"1"},
      {kCount, 1, L"5", -10, L"1"},
      {kCount, 1, L"10000000", 1, L"10000000"},
      {kCount, 1, L"9999999", 1, L"10000000"},
      {kDuration, 1, L"0", -1, L"0"},
      {kDuration, 1, L"99999999", -1, L"10000000"},
      {kDuration, 1, L"1234566", 1, L"1234567"},
      // A text without a leading number counts as 0; one with it counts as that number.
      {kAnyFloat, 1, L"abc", 1, L"1"},
      {kDuration, 1, L"", 1, L"1"},
      {kCount, 1, L"abc", -1, L"1"},
      {kCount, 1, L"12x", 1, L"13"},
      {kCount, 1, L"-", 1, L"1"},
      {kAnyFloat, 0.5f, L"1", 3, L"2.5"},
      {{0, 100}, 10, L"95", 2, L"100"},
      {kAnyFloat, 1, L"1e39", 1, L"340282346638528859811704183484516925440"},
  };
  for (const auto& c : cases) {
    NumericField field = FieldWith(c.range, c.delta);
    EXPECT_EQ(field.Format(field.Stepped(c.text, c.steps)), std::wstring(c.expected))
        << "text: \"" << c.text << "\" steps " << c.steps;
  }
}

TEST(SpinNeedsRecentring, OnlyNearTheEndsInEitherDirection) {
  const struct {
    int position, delta;
    bool expected;
  } cases[] = {
      {500, 1, false}, {500, -1, false}, {2, 1, false},   {998, -1, false}, {989, 10, false},
      {999, 1, true},  {1000, 1, true},  {1, 1, true},    {1, -1, true},    {0, -1, true},
      {999, -1, true}, {990, 10, true},  {10, -10, true}, {500, 600, true}, {500, -600, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpinNeedsRecentring(c.position, c.delta), c.expected)
        << "position " << c.position << " delta " << c.delta;
  }
}
