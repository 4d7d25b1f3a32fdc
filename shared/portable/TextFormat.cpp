#include "TextFormat.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

std::wstring FormatText(const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size()) return std::wstring(buffer.data(), written);
    // vswprintf reports only failure when the buffer is short, not the length it needs.
    if (buffer.size() >= (1u << 24)) return std::wstring();
    buffer.resize(buffer.size() * 4);
  }
}
