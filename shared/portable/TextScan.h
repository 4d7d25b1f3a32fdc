// Reading numbers out of texts the way the C library's "%d" and "%lf" conversions do:
// leading white space is skipped, the number is read as far as it goes, and whatever
// follows it is ignored. A text with no number in front gives no value.
#pragma once

#include <optional>
#include <string_view>

// "%d": optional sign, then decimal digits. Values beyond the int range are clamped.
std::optional<int> ScanInt(std::wstring_view text);

// "%lf": optional sign, digits with an optional fraction, optional exponent.
std::optional<double> ScanDouble(std::wstring_view text);

// As ScanDouble, but nothing other than white space may follow the number.
std::optional<double> ScanWholeDouble(std::wstring_view text);
