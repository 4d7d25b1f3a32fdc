// Hotkeys as the settings file keeps them: a virtual-key code and the hotkey control's
// modifier flags, stored as "%X,%X" (Shift + F2 is "71,1").
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr uint16_t kHotkeyShift = 1;
inline constexpr uint16_t kHotkeyControl = 2;
inline constexpr uint16_t kHotkeyAlt = 4;
inline constexpr uint16_t kHotkeyExtended = 8;

struct HotkeyPair {
  uint16_t virtualKey = 0;
  uint16_t flags = 0;
  bool operator==(const HotkeyPair&) const = default;
};

// Two hexadecimal numbers separated by a comma, read like "%X,%X"; nothing otherwise.
std::optional<HotkeyPair> ParseHotkey(std::wstring_view text);
std::wstring FormatHotkey(HotkeyPair pair);

// The system's name of a key (virtual key, extended), e.g. "Ctrl" or "F2".
using KeyNameFunction = std::function<std::wstring(uint16_t virtualKey, bool extended)>;

// "Ctrl + Shift + F5": the present modifiers in the order Ctrl, Shift, Alt, then the
// key. Empty when both parts are 0.
std::wstring HotkeyText(HotkeyPair pair, const KeyNameFunction& keyName);

// The modifiers for registering the hotkey with the system (MOD_SHIFT 4,
// MOD_CONTROL 2, MOD_ALT 1); the extended flag is not passed on.
uint32_t HotkeyModifiers(uint16_t flags);
