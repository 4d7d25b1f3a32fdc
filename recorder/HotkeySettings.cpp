#include "HotkeySettings.h"

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"

HotkeyPair ReadHotkey(const HotkeySetting& setting) {
  return ParseHotkey(ReadProfileText(g_app.settingsFile, L"Option", setting.key, L"")).value_or(setting.fallback);
}

void WriteHotkey(const HotkeySetting& setting, HotkeyPair pair) {
  WritePrivateProfileStringW(L"Option", setting.key, FormatHotkey(pair).c_str(), g_app.settingsFile.c_str());
}

std::wstring HotkeyDisplayText(HotkeyPair pair) {
  return HotkeyText(pair, [](uint16_t virtualKey, bool extended) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    wchar_t name[64] = L"";
    GetKeyNameTextW(static_cast<LONG>(scanCode << 16 | (extended ? 1u << 24 : 0)), name, 64);
    return std::wstring(name);
  });
}

bool RegisterHotkeyOrWarn(HWND window, int id, HotkeyPair pair) {
  if (RegisterHotKey(window, id, HotkeyModifiers(pair.flags), pair.virtualKey)) return true;
  ShowMessage(window, FormatText(L"Hotkey '%ls' conflict!", HotkeyDisplayText(pair).c_str()));
  return false;
}
