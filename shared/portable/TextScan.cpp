#include "TextScan.h"

#include <climits>
#include <cstdlib>
#include <string>

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

size_t SkipSpace(std::wstring_view text, size_t i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

size_t SkipDigits(std::wstring_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

std::optional<int> ScanInt(std::wstring_view text) {
  size_t i = SkipSpace(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const size_t digits = i;
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - L'0');
  }
  if (i == digits) return std::nullopt;
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

namespace {

// Reads a "%lf" number; end gets the index just past it.
std::optional<double> ScanDoubleTo(std::wstring_view text, size_t& end) {
  const size_t start = SkipSpace(text, 0);
  size_t i = start;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
  const size_t integerEnd = SkipDigits(text, i);
  end = integerEnd;
  bool anyDigit = integerEnd > i;
  if (end < text.size() && text[end] == L'.') {
    const size_t fractionEnd = SkipDigits(text, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return std::nullopt;
  if (end < text.size() && (text[end] == L'e' || text[end] == L'E')) {
    size_t e = end + 1;
    if (e < text.size() && (text[e] == L'+' || text[e] == L'-')) ++e;
    const size_t exponentEnd = SkipDigits(text, e);
    if (exponentEnd > e) end = exponentEnd;  // "1e" reads as 1, as scanf does
  }
  // The accepted characters are all ASCII, so a narrow copy is exact.
  std::string narrow(text.begin() + start, text.begin() + end);
  return std::strtod(narrow.c_str(), nullptr);
}

}  // namespace

std::optional<double> ScanDouble(std::wstring_view text) {
  size_t end = 0;
  return ScanDoubleTo(text, end);
}

std::optional<double> ScanWholeDouble(std::wstring_view text) {
  size_t end = 0;
  const std::optional<double> value = ScanDoubleTo(text, end);
  if (!value || SkipSpace(text, end) != text.size()) return std::nullopt;
  return value;
}
