#include "CrashReportText.h"

#include "../../shared/portable/TextFormat.h"

std::vector<StackEntry> WalkFrames(uint64_t framePointer, const ReadFrame& read) {
  std::vector<StackEntry> stack;
  std::array<uint64_t, 2> words{};
  while (stack.size() < kMaxStackEntries && read(framePointer, words)) {
    stack.push_back({words[0], words[1]});
    framePointer = words[0];
  }
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
