// The text of the crash report, and the walk along the frame-pointer chain that gives
// its call stack, from plain numbers: the Win32 side reads them off the exception.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct StackEntry {
  uint64_t nextFrame = 0;
  uint64_t returnAddress = 0;
};

constexpr size_t kMaxStackEntries = 100;

// Reads the two 64-bit words at address (the saved frame pointer and the return
// address above it); false when the memory cannot be read.
using ReadFrame = std::function<bool(uint64_t address, std::array<uint64_t, 2>& words)>;

// Follows the chain from framePointer until a frame cannot be read or
// kMaxStackEntries entries are found.
std::vector<StackEntry> WalkFrames(uint64_t framePointer, const ReadFrame& read);

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
