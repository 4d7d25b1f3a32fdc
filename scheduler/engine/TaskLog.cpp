#include "TaskLog.h"

#include <ctime>

#include "../../shared/portable/TextFormat.h"
#include "../../shared/portable/Utf16.h"

std::wstring TaskLogPath(const std::wstring& dataFolder) { return dataFolder + L"\\TaskLog.txt"; }

std::vector<uint8_t> EncodeLogEntry(std::int64_t now, std::wstring_view text) {
  const std::time_t time = static_cast<std::time_t>(now);
  std::tm local{};
  if (const std::tm* converted = std::localtime(&time)) local = *converted;
  std::vector<uint8_t> bytes;
  AppendUtf16Le(bytes, FormatText(L"%d-%d-%d %02d:%02d:%02d\t", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                  local.tm_hour, local.tm_min, local.tm_sec));
  AppendUtf16Le(bytes, text);
  AppendUtf16Le(bytes, L"\r\n");
  return bytes;
}

std::wstring TaskLogText(std::wstring_view what, std::wstring_view taskName, std::wstring_view script) {
  std::wstring text(what);
  text += L": ";
  text += taskName;
  text += L',';
  text += script;
  return text;
}

void TaskLog::Write(std::wstring_view text) {
  if (!enabled_) return;
  files_.Append(path_, EncodeLogEntry(clock_.Now(), text));
}
