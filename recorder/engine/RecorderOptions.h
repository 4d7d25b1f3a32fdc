// The rules of the Options dialog that need no window: how the three switches read
// and store their "1"/"0" texts, and what a cleared hotkey control stands for.
#pragma once

#include <string_view>

#include "Hotkey.h"

struct OptionSwitch {
  const wchar_t* key;          // in section "Option"
  const wchar_t* defaultText;  // when the key is missing
  bool onUnlessZero;           // true: anything but "0" is on; false: only "1" is on
};

inline constexpr OptionSwitch kMoveNoStopSwitch{L"MoveNoStop", L"0", false};
inline constexpr OptionSwitch kNoProgressWindowSwitch{L"NoProgWnd", L"0", false};
inline constexpr OptionSwitch kCompatibleModeSwitch{L"CompatibleMode", L"1", true};

bool SwitchIsOn(const OptionSwitch& option, std::wstring_view stored);
const wchar_t* SwitchText(bool on);

// What OK stores for a hotkey control: the fallback when the control is empty.
HotkeyPair HotkeyOrFallback(HotkeyPair typed, HotkeyPair fallback);

// A cleared pause control falls back to Alt + P, not to the Ctrl + P that reading an
// unreadable "HK_PauseRepeat" gives.
inline constexpr HotkeyPair kClearedPauseHotkey{0x50, kHotkeyAlt};
