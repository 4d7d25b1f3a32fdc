#include "Hotkey.h"

#include <cwchar>

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// "%X": white space, an optional sign and "0x", then hexadecimal digits.
std::optional<uint32_t> ScanHex(std::wstring_view& text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X') &&
      i + 2 < text.size() && HexDigit(text[i + 2]) >= 0) {
    i += 2;
  }
  const size_t digits = i;
  uint32_t value = 0;
  for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) value = value * 16 + HexDigit(text[i]);
  if (i == digits) return std::nullopt;
  text.remove_prefix(i);
  return negative ? 0u - value : value;
}

}  // namespace

std::optional<HotkeyPair> ParseHotkey(std::wstring_view text) {
  const std::optional<uint32_t> key = ScanHex(text);
  if (!key || text.empty() || text.front() != L',') return std::nullopt;
  text.remove_prefix(1);
  const std::optional<uint32_t> flags = ScanHex(text);
  if (!flags) return std::nullopt;
  return HotkeyPair{static_cast<uint16_t>(*key), static_cast<uint16_t>(*flags)};
}

std::wstring FormatHotkey(HotkeyPair pair) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%X,%X", pair.virtualKey, pair.flags);
  return text;
}

std::wstring HotkeyText(HotkeyPair pair, const KeyNameFunction& keyName) {
  if (pair.virtualKey == 0 && pair.flags == 0) return {};
  std::wstring text;
  const struct {
    uint16_t flag;
    uint16_t virtualKey;
  } modifiers[] = {{kHotkeyControl, 17}, {kHotkeyShift, 16}, {kHotkeyAlt, 18}};
  for (const auto& m : modifiers) {
    if (pair.flags & m.flag) text += keyName(m.virtualKey, false) + L" + ";
  }
  return text + keyName(pair.virtualKey, (pair.flags & kHotkeyExtended) != 0);
}

uint32_t HotkeyModifiers(uint16_t flags) {
  uint32_t modifiers = 0;
  if (flags & kHotkeyShift) modifiers |= 4;
  if (flags & kHotkeyControl) modifiers |= 2;
  if (flags & kHotkeyAlt) modifiers |= 1;
  return modifiers;
}
