#include "MainWindow.h"

#include "../res/FrameIds.h"
#include "../win/controls/Menu.h"
#include "AboutDlg.h"

void PrepareMainWindow(HWND window) {
  wchar_t about[128] = L"";
  if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, static_cast<int>(std::size(about))) > 0) {
    if (const Menu systemMenu(GetSystemMenu(window, FALSE)); systemMenu) {
      systemMenu.AppendSeparator();
      systemMenu.Append(IDM_ABOUTBOX, about);
    }
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  auto icon = [&](int metricX, int metricY) {
    return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                               GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
  };
  SendMessageW(window, WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
  SendMessageW(window, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));
}

bool IsAboutSysCommand(WPARAM command) { return (command & 0xFFF0) == IDM_ABOUTBOX; }

void ShowAboutBox(HWND owner) {
  CAboutDlg about;
  about.DoModal(owner);
}

void CenterOnScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
