// Names by which a second copy and other programs find the running scheduler.
#pragma once

#include <windows.h>

inline constexpr wchar_t kHestornMutex[] = L"Sorvane_Hestorn_i32dmxf89";
inline constexpr wchar_t kTrayWindowTitle[] = L"Sorvane-Hestorn-TrayWnd-KIO30DXZ";

// Sent to the tray window; answered with the main window's handle.
inline constexpr UINT kTrayGetMainWindow = WM_APP + 1;

// Sent to the main window: stops waiting for the task that runs now.
inline constexpr UINT kStopRunMessage = WM_APP + 3;
