#include "../../recorder/engine/RecorderOptions.h"

#include <gtest/gtest.h>

#include <string>

TEST(RecorderOptions, SwitchesReadTheirStoredText) {
  const struct {
    const OptionSwitch& option;
    const wchar_t* stored;
    bool on;
  } cases[] = {
      {kMoveNoStopSwitch, L"1", true},          {kMoveNoStopSwitch, L"0", false},
      {kMoveNoStopSwitch, L"yes", false},       {kMoveNoStopSwitch, L"", false},
      {kMoveNoStopSwitch, L" 1", false},        {kNoProgressWindowSwitch, L"1", true},
      {kNoProgressWindowSwitch, L"0", false},   {kNoProgressWindowSwitch, L"2", false},
      {kCompatibleModeSwitch, L"1", true},      {kCompatibleModeSwitch, L"0", false},
      {kCompatibleModeSwitch, L"yes", true},    {kCompatibleModeSwitch, L"", true},
      {kCompatibleModeSwitch, L"00", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SwitchIsOn(c.option, c.stored), c.on)
        << testing::PrintToString(std::wstring(c.option.key)) << " = " << testing::PrintToString(std::wstring(c.stored));
  }
}

TEST(RecorderOptions, SwitchDefaultsAndStoredTextsReadBack) {
  EXPECT_FALSE(SwitchIsOn(kMoveNoStopSwitch, kMoveNoStopSwitch.defaultText));
  EXPECT_FALSE(SwitchIsOn(kNoProgressWindowSwitch, kNoProgressWindowSwitch.defaultText));
  EXPECT_TRUE(SwitchIsOn(kCompatibleModeSwitch, kCompatibleModeSwitch.defaultText));
  for (const OptionSwitch* option : {&kMoveNoStopSwitch, &kNoProgressWindowSwitch, &kCompatibleModeSwitch}) {
    for (const bool on : {false, true}) EXPECT_EQ(SwitchIsOn(*option, SwitchText(on)), on);
  }
  EXPECT_STREQ(SwitchText(true), L"1");
  EXPECT_STREQ(SwitchText(false), L"0");
}

TEST(RecorderOptions, OnlyAnEmptyHotkeyControlTakesTheFallback) {
  const HotkeyPair fallback{0x50, kHotkeyAlt};
  const struct {
    HotkeyPair typed;
    HotkeyPair stored;
  } cases[] = {
      {{0, 0}, fallback},
      {{0x74, 3}, {0x74, 3}},
      {{0x41, 0}, {0x41, 0}},
      {{0, kHotkeyShift}, {0, kHotkeyShift}},
  };
  for (const auto& c : cases) EXPECT_EQ(HotkeyOrFallback(c.typed, fallback), c.stored) << testing::PrintToString(FormatHotkey(c.typed));
  EXPECT_EQ(FormatHotkey(kClearedPauseHotkey), L"50,4");
}
