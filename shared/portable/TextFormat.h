// printf-style formatting into a wide string. Wide strings are passed with "%ls",
// which means the same with the Windows and the glibc C library.
#pragma once

#include <string>

std::wstring FormatText(const wchar_t* format, ...);
