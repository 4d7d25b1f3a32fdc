#include "../../recorder/engine/RepeatSettings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Stored = std::map<std::wstring, std::wstring>;

Stored Save(const RepeatControls& controls, const std::wstring& record = L"") {
  Stored stored;
  SaveRepeatSettings(controls, record, [&](const wchar_t* key, const std::wstring& value) { stored[key] = value; });
  return stored;
}

std::wstring Load(const Stored& stored, RepeatControls& controls) {
  return LoadRepeatSettings(
      [&](const wchar_t* key, const wchar_t* fallback) {
        const auto found = stored.find(key);
        return found == stored.end() ? std::wstring(fallback) : found->second;
      },
      controls);
}

}  // namespace

TEST(RepeatSettings, SavesTheControls) {
  RepeatControls c;
  c.forTime = true;
  c.timesText = L"0";
  c.timeText = L"90";
  c.timeUnit = 1;
  c.shutdown = true;
  c.delay = true;
  c.delayHours = L"";
  c.delayMinutes = L"x";
  c.delaySeconds = L"30";
  c.randomDelay = true;
  c.speedPosition = 8;
  const Stored expected = {
      {L"RepeatType", L"Time"}, {L"RepeatTimes", L"1"}, {L"RepeatTime", L"90"}, {L"RepeatTimeType", L"1"},
      {L"Shutdown", L"1"},      {L"Delay", L"1"},       {L"DelayHour", L"0"}, {L"DelayMin", L"0"},
      {L"DelaySec", L"30"},     {L"RandDelay", L"1"},   {L"Speed", L"8"},     {L"Record", L"C:\\r\\a.rec"},
  };
  EXPECT_EQ(Save(c, L"C:\\r\\a.rec"), expected);

  c.forTime = false;
  EXPECT_EQ(Save(c).at(L"RepeatType"), L"") << "no radio checked";
  EXPECT_EQ(Save(c).count(L"Record"), 0u) << "nothing selected: Record is not written";
  c.times = true;
  c.timeText = L"";
  EXPECT_EQ(Save(c).at(L"RepeatType"), L"Times");
  EXPECT_EQ(Save(c).at(L"RepeatTime"), L"1") << "an empty count is written as 1";
}

TEST(RepeatSettings, LoadsWithDefaultsAndKeepsWhatDoesNotRead) {
  RepeatControls fresh;
  fresh.timesText = L"10";
  fresh.timeText = L"1";
  RepeatControls c = fresh;
  EXPECT_EQ(Load({}, c), L"");
  EXPECT_TRUE(c.once);
  EXPECT_EQ(c.timesText, L"1") << "the default count is 1";
  EXPECT_EQ(c.timeUnit, 2);
  EXPECT_EQ(c.speedPosition, 5);

  c = fresh;
  Load({{L"RepeatType", L"Time"}, {L"RepeatTime", L"90"}, {L"RepeatTimeType", L"1"}}, c);
  EXPECT_TRUE(c.forTime);
  EXPECT_FALSE(c.once);
  EXPECT_EQ(c.timeText, L"90");
  EXPECT_EQ(c.timeUnit, 1);

  c = fresh;
  Load({{L"RepeatType", L"time"}, {L"RepeatTimes", L"0"}, {L"Speed", L"fast"}, {L"DelayHour", L"two"},
        {L"Shutdown", L"yes"}, {L"Delay", L"1"}},
       c);
  EXPECT_FALSE(c.once || c.times || c.forTime) << "the type is compared exactly";
  EXPECT_EQ(c.timesText, L"1") << "0 becomes 1";
  EXPECT_EQ(c.speedPosition, 5) << "a speed that is no number leaves the slider";
  EXPECT_EQ(c.delayHours, L"") << "unreadable leaves the field";
  EXPECT_FALSE(c.shutdown) << "only \"1\" checks";
  EXPECT_TRUE(c.delay);

  EXPECT_EQ(Load({{L"Record", L"C:\\R\\a.rec"}}, c), L"C:\\R\\a.rec");
}

TEST(RepeatSettings, RoundTrip) {
  RepeatControls c;
  c.times = true;
  c.timesText = L"7";
  c.timeText = L"3";
  c.timeUnit = 3;
  c.delay = true;
  c.delayHours = L"1";
  c.delayMinutes = L"2";
  c.delaySeconds = L"3";
  c.speedPosition = 0;
  RepeatControls loaded;
  EXPECT_EQ(Load(Save(c, L"x.rec"), loaded), L"x.rec");
  EXPECT_EQ(Save(loaded, L"x.rec"), Save(c, L"x.rec"));
}
