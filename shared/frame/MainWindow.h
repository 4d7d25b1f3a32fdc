// What every program's main window does the same way.
#pragma once

#include <windows.h>

// Adds a separator and "&About <program>..." (string 101) to the system menu, and sets
// the large and small window icons from the program icon.
void PrepareMainWindow(HWND window);

// True for the system menu's About entry (ids 16 to 31).
bool IsAboutSysCommand(WPARAM command);

// The About box, modal over the window.
void ShowAboutBox(HWND owner);

// Centres a top-level window on the primary screen.
void CenterOnScreen(HWND window);
