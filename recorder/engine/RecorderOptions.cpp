#include "RecorderOptions.h"

bool SwitchIsOn(const OptionSwitch& option, std::wstring_view stored) {
  return option.onUnlessZero ? stored != L"0" : stored == L"1";
}

const wchar_t* SwitchText(bool on) { return on ? L"1" : L"0"; }

HotkeyPair HotkeyOrFallback(HotkeyPair typed, HotkeyPair fallback) {
  return typed == HotkeyPair{} ? fallback : typed;
}
