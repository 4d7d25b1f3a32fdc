#include "CommandLine.h"

#include <array>
#include <cwctype>
#include <vector>

#include "../../shared/portable/TextScan.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::wstring> LowerCaseWords(std::wstring_view text) {
  std::vector<std::wstring> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::wstring word;
    while (i < text.size() && !IsBlank(text[i])) word += static_cast<wchar_t>(std::towlower(text[i++]));
    if (!word.empty()) words.push_back(std::move(word));
  }
  return words;
}

// "H:M:S" as three numbers, each read like "%d".
std::optional<std::array<int, 3>> ScanDelay(std::wstring_view text) {
  std::array<int, 3> parts{};
  for (int i = 0; i < 3; ++i) {
    const std::optional<int> value = ScanInt(text);
    if (!value) return std::nullopt;
    parts[i] = *value;
    if (i == 2) break;
    const size_t colon = text.find(L':');
    if (colon == std::wstring_view::npos) return std::nullopt;
    text.remove_prefix(colon + 1);
  }
  return parts;
}

int RepeatForUnit(const std::wstring& word) {
  if (word == L"rtms") return 0;
  if (word == L"rts") return 1;
  if (word == L"rtm") return 2;
  if (word == L"rth") return 3;
  return -1;
}

void ApplyOptions(const std::vector<std::wstring>& words, RunRequest& request) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::wstring& word = words[i];
    if (word == L"noquit") {
      request.stay = true;
      continue;
    }
    const int unit = RepeatForUnit(word);
    if (word != L"r" && word != L"d" && word != L"s" && unit < 0) continue;  // not an option
    if (i + 1 == words.size()) return;  // an option without its value ends the options
    const std::wstring& value = words[++i];
    // A value that is not a number leaves the option out.
    if (word == L"d") {
      if (const auto delay = ScanDelay(value)) {
        request.delayHours = (*delay)[0];
        request.delayMinutes = (*delay)[1];
        request.delaySeconds = (*delay)[2];
      }
      continue;
    }
    const std::optional<int> number = ScanInt(value);
    if (!number) continue;
    if (word == L"s") {
      request.speed = number;
    } else if (word == L"r") {
      request.times = number;
      request.repeat = RunRequest::Repeat::Times;
    } else {
      request.time = number;
      request.timeUnit = unit;
      request.repeat = RunRequest::Repeat::ForTime;
    }
  }
}

}  // namespace

RunRequest ParseCommandLine(std::wstring_view text) {
  RunRequest request;
  std::wstring_view path = text;
  if (!text.empty() && text.front() == L'<') {
    const size_t close = text.find(L'>');
    if (close == std::wstring_view::npos) {
      request.valid = false;
      return request;
    }
    ApplyOptions(LowerCaseWords(text.substr(1, close - 1)), request);
    path = text.substr(close + 1);
  }
  request.recordPath = Trim(path);
  return request;
}
