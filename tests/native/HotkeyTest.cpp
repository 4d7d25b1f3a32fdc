#include "../../recorder/engine/Hotkey.h"

#include <gtest/gtest.h>

namespace {

std::wstring EnglishKeyName(uint16_t vk, bool extended) {
  switch (vk) {
    case 16: return L"Shift";
    case 17: return L"Ctrl";
    case 18: return L"Alt";
    case 0x2E: return extended ? L"Delete" : L"Num Del";
    default:
      if (vk >= 0x70 && vk <= 0x7B) return L"F" + std::to_wstring(vk - 0x6F);
      return std::wstring(1, static_cast<wchar_t>(vk));
  }
}

}  // namespace

TEST(Hotkey, ParsesTheStoredText) {
  const struct {
    const wchar_t* text;
    std::optional<HotkeyPair> pair;
  } cases[] = {
      {L"70,4", HotkeyPair{0x70, 4}},  {L"71,1", HotkeyPair{0x71, 1}}, {L"74,3", HotkeyPair{0x74, 3}},
      {L"50,2", HotkeyPair{0x50, 2}},  {L"2e,a", HotkeyPair{0x2E, 0xA}}, {L" 41, 6", HotkeyPair{0x41, 6}},
      {L"0x41,0x2", HotkeyPair{0x41, 2}}, {L"41,2junk", HotkeyPair{0x41, 2}},
      {L"", std::nullopt}, {L"41", std::nullopt}, {L"41;2", std::nullopt}, {L"41 ,2", std::nullopt},
      {L"zz,2", std::nullopt}, {L"41,", std::nullopt}, {L",2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHotkey(c.text), c.pair) << testing::PrintToString(std::wstring(c.text));
}

TEST(Hotkey, FormatsUpperCaseHex) {
  EXPECT_EQ(FormatHotkey({0x71, 1}), L"71,1");
  EXPECT_EQ(FormatHotkey({0x2E, 0xA}), L"2E,A");
  EXPECT_EQ(FormatHotkey({0, 0}), L"0,0");
  EXPECT_EQ(ParseHotkey(FormatHotkey({0xBA, 7})), (HotkeyPair{0xBA, 7}));
}

TEST(Hotkey, TextNamesModifiersInTheOrderCtrlShiftAlt) {
  const struct {
    HotkeyPair pair;
    const wchar_t* text;
  } cases[] = {
      {{0x70, 4}, L"Alt + F1"},  {{0x71, 1}, L"Shift + F2"}, {{0x72, 4}, L"Alt + F3"},
      {{0x71, 4}, L"Alt + F2"},  {{0x50, 2}, L"Ctrl + P"},   {{0x74, 3}, L"Ctrl + Shift + F5"},
      {{0x41, 7}, L"Ctrl + Shift + Alt + A"}, {{0x2E, 8}, L"Delete"}, {{0x2E, 0}, L"Num Del"},
      {{0, 0}, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(HotkeyText(c.pair, EnglishKeyName), c.text);
}

TEST(Hotkey, SystemModifiersLeaveTheExtendedFlagOut) {
  EXPECT_EQ(HotkeyModifiers(kHotkeyShift), 4u);
  EXPECT_EQ(HotkeyModifiers(kHotkeyControl), 2u);
  EXPECT_EQ(HotkeyModifiers(kHotkeyAlt), 1u);
  EXPECT_EQ(HotkeyModifiers(kHotkeyShift | kHotkeyControl | kHotkeyAlt | kHotkeyExtended), 7u);
}
