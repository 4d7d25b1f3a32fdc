#include "TaskFile.h"

#include <algorithm>
#include <optional>

#include "../../shared/portable/TextScan.h"
#include "../../shared/portable/Utf16.h"

namespace {

constexpr wchar_t kCommentLine[] = L"#Sorvane Hestorn File - https://www.sorvane.example/hestorn";
constexpr unsigned kFileVersion = 1;

// Keys are ASCII, so lowering only ASCII letters is enough to match them, and keeps
// every character in its place.
std::wstring AsciiLower(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

// A second byte of 0 means UTF-16 little-endian (a lone last byte is dropped);
// anything else is 8-bit text in the ANSI code page.
std::wstring DecodeText(FileStore& files, const std::vector<uint8_t>& bytes) {
  if (bytes[1] != 0) return files.FromAnsi(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) units.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
  return FromUtf16(units);
}

// The lines that are neither empty nor comments, without their leading spaces and tabs.
std::vector<std::wstring_view> ContentLines(std::wstring_view text) {
  std::vector<std::wstring_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view line = text.substr(start, end - start);
    const size_t first = line.find_first_not_of(L" \t");
    line.remove_prefix(first == std::wstring_view::npos ? line.size() : first);
    if (!line.empty() && line.front() != L'#') lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// A "Key=value" line split at its first "=" after the key; leading "=" are skipped.
// A line without "=" is all key.
struct KeyValue {
  std::wstring_view key;
  std::wstring_view value;
};

KeyValue SplitKey(std::wstring_view line) {
  const size_t keyStart = std::min(line.find_first_not_of(L'='), line.size());
  const size_t keyEnd = std::min(line.find(L'=', keyStart), line.size());
  return {line.substr(keyStart, keyEnd - keyStart), keyEnd < line.size() ? line.substr(keyEnd + 1) : L""};
}

bool IsRepeatTimes(const std::wstring& text) {
  return text == L"Unlimited" || ScanInt(text).has_value();
}

}  // namespace

std::wstring TaskFilePath(const std::wstring& dataFolder) {
  return dataFolder + L"\\tasks.ini";
}

std::wstring GetTaskField(std::wstring_view line, std::wstring_view key) {
  const std::wstring pattern = AsciiLower(key) + L"=";
  const size_t found = AsciiLower(line).find(pattern);
  if (found == std::wstring::npos) return {};
  const size_t start = found + pattern.size();
  const size_t end = line.find(L'|', start);
  return std::wstring(line.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
}

std::vector<uint8_t> EncodeTaskFile(const TaskTable& tasks) {
  std::vector<uint8_t> bytes;
  AppendUtf16Le(bytes, std::wstring(kCommentLine) + L"\r\n");
  AppendUtf16Le(bytes, L"Version=" + std::to_wstring(kFileVersion) + L"\r\n");
  for (int row = 0; row < tasks.Count(); ++row) {
    const TaskEntry task = tasks.Row(row);
    AppendUtf16Le(bytes, L"TaskName=" + task.taskName + L"|Time=" + task.time + L"|Date=" + task.date +
                             L"|Every=" + task.every + L"|RepeatTimes=" + task.repeatTimes + L"|Script=" +
                             task.script + L"\r\n");
  }
  return bytes;
}

bool SaveTasks(FileStore& files, const std::wstring& path, const TaskTable& tasks, std::wstring& errorText) {
  if (files.ReplaceAtomically(path, EncodeTaskFile(tasks))) return true;
  errorText = L"Save tasks failed!";
  return false;
}

int LoadTasks(FileStore& files, const std::wstring& path, TaskTable& tasks, std::wstring& errorText) {
  while (tasks.Count() > 0) tasks.Delete(tasks.Count() - 1);
  const auto bytes = files.ReadAll(path);
  if (!bytes || bytes->size() < 2) return 0;
  const std::wstring text = DecodeText(files, *bytes);
  const std::vector<std::wstring_view> lines = ContentLines(text);

  size_t next = 0;
  while (next < lines.size() && AsciiLower(SplitKey(lines[next]).key) != L"version") ++next;
  if (next == lines.size()) return 0;
  const std::optional<int> version = ScanInt(SplitKey(lines[next++]).value);
  if (!version) return 0;
  if (static_cast<unsigned>(*version) > kFileVersion) {
    errorText = L"Can not load this version of Hestorn File.\nYou may need to update Dunmere to the latest version.";
    return 0;
  }

  for (; next < lines.size(); ++next) {
    const std::wstring_view line = lines[next];
    const TaskEntry task{GetTaskField(line, L"TaskName"), GetTaskField(line, L"Time"),
                         GetTaskField(line, L"Date"),     GetTaskField(line, L"Every"),
                         GetTaskField(line, L"RepeatTimes"), GetTaskField(line, L"Script")};
    const bool complete = !task.taskName.empty() && !task.time.empty() && !task.date.empty() &&
                          !task.every.empty() && !task.repeatTimes.empty() && !task.script.empty();
    if (complete && IsRepeatTimes(task.repeatTimes)) tasks.Append(task);
  }
  return tasks.Count();
}
