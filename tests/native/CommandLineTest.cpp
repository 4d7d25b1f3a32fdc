#include "../../recorder/engine/CommandLine.h"

#include <gtest/gtest.h>

using Repeat = RunRequest::Repeat;

TEST(ParseCommandLine, OptionsAndPath) {
  const struct {
    const wchar_t* text;
    const wchar_t* path;
    bool stay;
    Repeat repeat;
    std::optional<int> times, time;
    int unit;
    std::optional<int> speed;
  } cases[] = {
      {L"x.rec", L"x.rec", false, Repeat::Unchanged, {}, {}, 2, {}},
      {L"  C:\\My Records\\a.rec\t", L"C:\\My Records\\a.rec", false, Repeat::Unchanged, {}, {}, 2, {}},
      {L"\"C:\\a b.rec\"", L"\"C:\\a b.rec\"", false, Repeat::Unchanged, {}, {}, 2, {}},
      {L"<r 5 noquit>C:\\Records\\Daily.rec", L"C:\\Records\\Daily.rec", true, Repeat::Times, 5, {}, 2, {}},
      {L"<NOQUIT R 3>x.rec", L"x.rec", true, Repeat::Times, 3, {}, 2, {}},
      {L"<rtm 30 d 0:1:0>D:\\a.rec", L"D:\\a.rec", false, Repeat::ForTime, {}, 30, 2, {}},
      {L"<rtms 500>a", L"a", false, Repeat::ForTime, {}, 500, 0, {}},
      {L"<rts 9>a", L"a", false, Repeat::ForTime, {}, 9, 1, {}},
      {L"<rth 2>a", L"a", false, Repeat::ForTime, {}, 2, 3, {}},
      {L"<r 2 rth 1>a", L"a", false, Repeat::ForTime, 2, 1, 3, {}},  // the last repeat option wins
      {L"<rth 1 r 2>a", L"a", false, Repeat::Times, 2, 1, 3, {}},
      {L"<s 10\tr\t0>a", L"a", false, Repeat::Times, 0, {}, 2, 10},
      {L"<r abc s 7>a", L"a", false, Repeat::Unchanged, {}, {}, 2, 7},  // a value that is no number is left out
      {L"<s 3 r>a", L"a", false, Repeat::Unchanged, {}, {}, 2, 3},      // an option without value ends the options
      {L"<r noquit>a", L"a", false, Repeat::Unchanged, {}, {}, 2, {}},  // "noquit" was taken as r's value
      {L"<bogus 1 noquit>a", L"a", true, Repeat::Unchanged, {}, {}, 2, {}},
      {L"<>a", L"a", false, Repeat::Unchanged, {}, {}, 2, {}},
      {L"<r 4>", L"", false, Repeat::Times, 4, {}, 2, {}},
  };
  for (const auto& c : cases) {
    const RunRequest request = ParseCommandLine(c.text);
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    EXPECT_TRUE(request.valid);
    EXPECT_EQ(request.recordPath, c.path);
    EXPECT_EQ(request.stay, c.stay);
    EXPECT_EQ(request.repeat, c.repeat);
    EXPECT_EQ(request.times, c.times);
    EXPECT_EQ(request.time, c.time);
    if (c.time) {
      EXPECT_EQ(request.timeUnit, c.unit);
    }
    EXPECT_EQ(request.speed, c.speed);
  }
}

TEST(ParseCommandLine, DelayNeedsThreeNumbers) {
  const struct {
    const wchar_t* text;
    bool set;
    int h, m, s;
  } cases[] = {
      {L"<d 1:2:3>a", true, 1, 2, 3}, {L"<d 0:1:0>a", true, 0, 1, 0}, {L"<d 1:2>a", false, 0, 0, 0},
      {L"<d x:1:2>a", false, 0, 0, 0}, {L"<d 1::2>a", false, 0, 0, 0}, {L"<d 10:20:30x>a", true, 10, 20, 30},
  };
  for (const auto& c : cases) {
    const RunRequest request = ParseCommandLine(c.text);
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    ASSERT_EQ(request.delayHours.has_value(), c.set);
    if (c.set) {
      EXPECT_EQ(*request.delayHours, c.h);
      EXPECT_EQ(*request.delayMinutes, c.m);
      EXPECT_EQ(*request.delaySeconds, c.s);
    }
  }
}

TEST(ParseCommandLine, AnOpenBracketWithoutItsCloseIsInvalid) {
  EXPECT_FALSE(ParseCommandLine(L"<r 3 x.rec").valid);
  EXPECT_FALSE(ParseCommandLine(L"<").valid);
  EXPECT_TRUE(ParseCommandLine(L" <r 3 x.rec").valid) << "only a leading bracket opens options";
}
