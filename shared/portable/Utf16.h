// Wide text as UTF-16 and back. wchar_t holds UTF-16 on Windows, where both are plain
// copies, and UTF-32 on Linux, where characters above U+FFFF become surrogate pairs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Characters that are no Unicode code point at all become U+FFFD.
std::u16string ToUtf16(std::wstring_view text);

// Surrogates without their partner are kept as they are.
std::wstring FromUtf16(std::u16string_view text);

// Appends the text's UTF-16 code units, low byte first.
void AppendUtf16Le(std::vector<uint8_t>& bytes, std::wstring_view text);
