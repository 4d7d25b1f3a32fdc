#include "HestornSettings.h"

#include <windows.h>

#include <cwchar>

#include "../shared/frame/AppValues.h"

bool ReadCreateLog() {
  wchar_t value[260] = {};
  GetPrivateProfileStringW(L"Option", L"CreateLog", L"1", value, MAX_PATH, g_app.settingsFile.c_str());
  return std::wcscmp(value, L"1") == 0;
}
