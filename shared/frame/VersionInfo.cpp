#include "VersionInfo.h"

#include <windows.h>

#include <vector>

#include "../portable/VersionText.h"

std::wstring GetVersionText(bool compact, const wchar_t* file) {
  wchar_t self[MAX_PATH * 4];
  if (!file) {
    const DWORD length = GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
    if (length == 0 || length >= std::size(self)) return {};
    file = self;
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(file, 0, size, block.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || infoSize < sizeof *info) {
    return {};
  }
  const ProductVersion version{HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                               HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS)};
  return FormatVersionText(version, compact);
}

double GetVersionNumber(const wchar_t* file) { return VersionNumberFromText(GetVersionText(true, file)); }
