// The recorder's five hotkeys as conf.ini keeps them, their display texts, and their
// registration with the system.
#pragma once

#include <windows.h>

#include <string>

#include "engine/Hotkey.h"

struct HotkeySetting {
  const wchar_t* key;    // in section "Option"
  HotkeyPair fallback;   // used when the stored text is missing or unreadable
};

inline constexpr HotkeySetting kStartRecordHotkey{L"HK_StartRecord", {0x70, kHotkeyAlt}};
inline constexpr HotkeySetting kStopRecordHotkey{L"HK_StopRecord", {0x71, kHotkeyShift}};
inline constexpr HotkeySetting kStartRepeatHotkey{L"HK_StartRepeat", {0x72, kHotkeyAlt}};
inline constexpr HotkeySetting kStopRepeatHotkey{L"HK_StopRepeat", {0x71, kHotkeyAlt}};
inline constexpr HotkeySetting kPauseRepeatHotkey{L"HK_PauseRepeat", {0x50, kHotkeyControl}};

HotkeyPair ReadHotkey(const HotkeySetting& setting);
void WriteHotkey(const HotkeySetting& setting, HotkeyPair pair);

// "Ctrl + Shift + F5", with the key names of the keyboard layout.
std::wstring HotkeyDisplayText(HotkeyPair pair);

// Registers the hotkey on the window; when that fails, says "Hotkey '%s' conflict!"
// and returns false.
bool RegisterHotkeyOrWarn(HWND window, int id, HotkeyPair pair);
