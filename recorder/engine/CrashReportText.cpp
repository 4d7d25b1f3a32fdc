#include "CrashReportText.h"

#include "../../shared/portable/TextFormat.h"

std::vector<StackEntry> WalkFrames(const NextFrame& next) {
  std::vector<StackEntry> stack;
  StackEntry entry;
  while (stack.size() < kMaxStackEntries && next(entry)) stack.push_back(entry);
  return stack;
}

std::wstring FormatCrashReport(const CrashFacts& facts) {
  std::wstring text = FormatText(L"Operating System: %u,%u\r\n", facts.osMajor, facts.osMinor);
  text += FormatText(L"Product: Sorvane %ls\r\nException Code: 0x%X\r\nException Address: 0x%llX\r\n",
                     facts.version.c_str(), facts.code, static_cast<unsigned long long>(facts.address));
  text += L"Call Stack:\r\n";
  for (const StackEntry& entry : facts.stack) {
    text += FormatText(L"0x%llX,0x%llX\r\n", static_cast<unsigned long long>(entry.nextFrame),
                       static_cast<unsigned long long>(entry.returnAddress));
  }
  return text;
}
