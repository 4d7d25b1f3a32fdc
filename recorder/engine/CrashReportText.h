// The text of the crash report, and the walk that gives its call stack, from plain
// numbers: the Win32 side reads them off the exception and the stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One frame of the call stack: where the caller's frame is, and the return address
// into the caller.
struct StackEntry {
  uint64_t nextFrame = 0;
  uint64_t returnAddress = 0;
};

constexpr size_t kMaxStackEntries = 100;

// Steps from the current frame to its caller's and fills entry; false when that frame
// cannot be read.
using NextFrame = std::function<bool(StackEntry& entry)>;

// Steps until a frame cannot be read or kMaxStackEntries entries are found.
std::vector<StackEntry> WalkFrames(const NextFrame& next);

struct CrashFacts {
  unsigned osMajor = 0;
  unsigned osMinor = 0;
  std::wstring version;  // the product version, "1.0.0.0"; empty when unknown
  uint32_t code = 0;
  uint64_t address = 0;
  std::vector<StackEntry> stack;
};

// Lines end with CRLF; numbers in hexadecimal are upper case without leading zeros.
std::wstring FormatCrashReport(const CrashFacts& facts);
