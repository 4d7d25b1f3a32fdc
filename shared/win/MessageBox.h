// Message boxes captioned with the program's name.
#pragma once

#include <windows.h>

#include <string>

void SetMessageCaption(std::wstring caption);

// With no icon in type, the warning icon is shown.
int ShowMessage(HWND owner, const std::wstring& text, UINT type = MB_OK);
