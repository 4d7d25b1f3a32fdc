#include "TaskRun.h"

#include <cwctype>

namespace {

bool IsRecordScript(std::wstring_view script) {
  const size_t dot = script.rfind(L'.');
  if (dot == std::wstring_view::npos) return false;
  const std::wstring_view extension = script.substr(dot);
  constexpr std::wstring_view kRecord = L".rec";
  if (extension.size() != kRecord.size()) return false;
  for (size_t i = 0; i < kRecord.size(); ++i) {
    if (std::towlower(extension[i]) != static_cast<wint_t>(kRecord[i])) return false;
  }
  return true;
}

}  // namespace

RunCommand ChooseRunCommand(std::wstring_view script, std::wstring_view ownFolder) {
  if (!IsRecordScript(script)) return {std::wstring(script), std::nullopt, false};
  return {std::wstring(ownFolder) + L"\\Sorvane.exe", std::wstring(script), true};
}

RunResult RunRepetitions(ProgramStarter& starter, const RunCommand& command, int runCount,
                         const std::atomic<bool>& stop) {
  RunResult result;
  const bool unlimited = runCount == -1;
  while ((unlimited || result.starts < static_cast<std::uint32_t>(runCount)) && !stop) {
    const ProgramEnd end = starter.StartAndWait(command);
    if (!end.started) {
      // Without this, a missing script with an unlimited count would be tried for ever.
      result.startError = end.startError;
      break;
    }
    ++result.starts;
    if (end.exitCode == kStoppedByUserExitCode) {
      result.stoppedByUser = true;
      break;
    }
  }
  return result;
}
