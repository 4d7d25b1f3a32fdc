#include "SystemShutdown.h"

#include <windows.h>

#include <reason.h>

#include "../shared/win/Handle.h"

void ShutDownComputer() {
  HANDLE rawToken = nullptr;
  // Without a token the system is asked anyway: it decides whether the process may.
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) {
    const OwnedHandle token(rawToken);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    // Succeeds with ERROR_NOT_ALL_ASSIGNED when the user does not hold the privilege.
    if (GetLastError() != ERROR_SUCCESS) return;
  }
  ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCEIFHUNG,
                SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_OPERATINGSYSTEM | SHTDN_REASON_MINOR_UPGRADE);
}
