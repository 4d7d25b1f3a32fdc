// The product version from an executable's version resource.
#pragma once

#include <string>

// "1.0.0.0", or compact "1.000"; of the running executable when file is null. Empty
// when the file has no version resource.
std::wstring GetVersionText(bool compact, const wchar_t* file = nullptr);

// The compact text as a number, for comparing versions; 0.0 when there is none.
double GetVersionNumber(const wchar_t* file = nullptr);
