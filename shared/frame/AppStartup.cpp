#include "AppStartup.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "../portable/DirectoryChain.h"
#include "AppValues.h"
#include "Site.h"

bool ClaimSingleInstance(const wchar_t* mutexName) {
  SetLastError(0);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  // Left open on purpose: the system closes it when the process ends, which is what
  // lets the next copy start.
  return true;
}

bool GetModuleFolder() {
  char path[520];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return false;
  std::string full(path, length);
  const size_t slash = full.rfind('\\');
  if (slash == std::string::npos) return false;

  wchar_t widePath[MAX_PATH * 4];
  const DWORD wideLength = GetModuleFileNameW(nullptr, widePath, static_cast<DWORD>(std::size(widePath)));
  g_app.executablePath.assign(widePath, wideLength < std::size(widePath) ? wideLength : 0);
  g_app.moduleFolderAnsi = full.substr(0, slash);
  const size_t wideSlash = g_app.executablePath.rfind(L'\\');
  g_app.moduleFolder = g_app.executablePath.substr(0, wideSlash == std::wstring::npos ? 0 : wideSlash);
  return true;
}

bool CreateDirectories(const std::wstring& path) {
  BOOL result = FALSE;
  for (const std::wstring& folder : DirectoryChain(path)) result = CreateDirectoryW(folder.c_str(), nullptr);
  return result != FALSE;
}

std::wstring SpecialFolder(int csidl) {
  wchar_t folder[MAX_PATH] = L"";
  if (!SHGetSpecialFolderPathW(nullptr, folder, csidl, FALSE)) return {};
  return folder;
}

std::wstring CreateDataFolder(const wchar_t* subfolder) {
  std::wstring folder = SpecialFolder(CSIDL_APPDATA) + subfolder;
  CreateDirectories(folder);
  return folder;
}

void PrepareSettingsFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;  // it exists already (or cannot be made): leave it as it is
  static const unsigned char kUtf16LeBom[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file, kUtf16LeBom, sizeof kUtf16LeBom, &written, nullptr);
  CloseHandle(file);
}

std::wstring ReadProfileText(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                             const wchar_t* defaultValue) {
  wchar_t value[260] = L"";
  GetPrivateProfileStringW(section, key, defaultValue, value, static_cast<DWORD>(std::size(value)), file.c_str());
  return value;
}

std::wstring ReadRecordFolder(const std::wstring& settingsFile) {
  std::wstring folder = ReadProfileText(settingsFile, L"Option", L"RecordDirectory", L"");
  if (!folder.empty()) return folder;
  return SpecialFolder(CSIDL_PERSONAL) + L"\\Sorvane\\Records";
}

void InitCommonControlClasses() {
  INITCOMMONCONTROLSEX init{sizeof init, 0xFF};
  InitCommonControlsEx(&init);
}

bool RegisterPrivateDialogClass(const wchar_t* className) {
  WNDCLASSW wc{};
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!GetClassInfoW(instance, L"#32770", &wc)) return false;
  wc.hInstance = instance;
  wc.lpszClassName = className;
  return RegisterClassW(&wc) != 0;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void EnableDebugPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_READ, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
    AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr);
  }
  CloseHandle(token);
}

void OpenHelpPage() {
  const std::wstring address = std::wstring(kSiteAddress) + g_app.helpPage;
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}
