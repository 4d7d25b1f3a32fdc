#include "Utf16.h"

#include <cstdint>

namespace {

constexpr uint32_t kFirstSupplementary = 0x10000;
constexpr uint32_t kLastCodePoint = 0x10FFFF;
constexpr uint32_t kReplacement = 0xFFFD;
constexpr char16_t kHighSurrogate = 0xD800;
constexpr char16_t kLowSurrogate = 0xDC00;

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string ToUtf16(std::wstring_view text) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return std::u16string(text.begin(), text.end());
  } else {
    std::u16string units;
    units.reserve(text.size());
    for (const wchar_t c : text) {
      uint32_t code = static_cast<uint32_t>(c);
      if (code > kLastCodePoint) code = kReplacement;
      if (code < kFirstSupplementary) {
        units.push_back(static_cast<char16_t>(code));
      } else {
        code -= kFirstSupplementary;
        units.push_back(static_cast<char16_t>(kHighSurrogate + (code >> 10)));
        units.push_back(static_cast<char16_t>(kLowSurrogate + (code & 0x3FF)));
      }
    }
    return units;
  }
}

std::wstring FromUtf16(std::u16string_view text) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return std::wstring(text.begin(), text.end());
  } else {
    std::wstring chars;
    chars.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      const char16_t unit = text[i];
      if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
        const uint32_t code = kFirstSupplementary + ((unit - kHighSurrogate) << 10) + (text[i + 1] - kLowSurrogate);
        chars.push_back(static_cast<wchar_t>(code));
        ++i;
      } else {
        chars.push_back(static_cast<wchar_t>(unit));
      }
    }
    return chars;
  }
}

void AppendUtf16Le(std::vector<uint8_t>& bytes, std::wstring_view text) {
  for (const char16_t unit : ToUtf16(text)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
}
