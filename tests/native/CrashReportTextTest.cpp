#include "../../recorder/engine/CrashReportText.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A chain of frames as a map from frame address to (caller's frame, return address);
// anything else cannot be read.
class FakeStack {
 public:
  void Frame(uint64_t address, uint64_t next, uint64_t returnAddress) { frames_[address] = {next, returnAddress}; }

  // Steps along the chain from the frame at start.
  NextFrame From(uint64_t start) const {
    return [this, frame = start](StackEntry& entry) mutable {
      const auto found = frames_.find(frame);
      if (found == frames_.end()) return false;
      entry = found->second;
      frame = entry.nextFrame;
      return true;
    };
  }

 private:
  std::map<uint64_t, StackEntry> frames_;
};

std::vector<std::pair<uint64_t, uint64_t>> Pairs(const std::vector<StackEntry>& stack) {
  std::vector<std::pair<uint64_t, uint64_t>> pairs;
  for (const StackEntry& entry : stack) pairs.emplace_back(entry.nextFrame, entry.returnAddress);
  return pairs;
}

}  // namespace

TEST(WalkFrames, FollowsTheChainUntilAFrameCannotBeRead) {
  FakeStack stack;
  stack.Frame(0x5FF000, 0x5FF040, 0x140001234);
  stack.Frame(0x5FF040, 0x5FF0A0, 0x140005678);
  stack.Frame(0x5FF0A0, 0x5FF100, 0x7FFA12340000);  // 0x5FF100 is unreadable
  const std::vector<std::pair<uint64_t, uint64_t>> expected = {
      {0x5FF040, 0x140001234}, {0x5FF0A0, 0x140005678}, {0x5FF100, 0x7FFA12340000}};
  EXPECT_EQ(Pairs(WalkFrames(stack.From(0x5FF000))), expected);
}

TEST(WalkFrames, AnUnreadableFirstFrameGivesNoEntries) {
  FakeStack stack;
  stack.Frame(0x5FF040, 0x5FF0A0, 0x140005678);
  EXPECT_TRUE(WalkFrames(stack.From(0)).empty());
  EXPECT_TRUE(WalkFrames(stack.From(0x5FF000)).empty());
}

TEST(WalkFrames, StopsAtTheLimit) {
  FakeStack linear;
  for (uint64_t i = 0; i < 150; ++i) linear.Frame(0x10000 + i * 0x40, 0x10000 + (i + 1) * 0x40, 0x140000000 + i);
  const std::vector<StackEntry> walked = WalkFrames(linear.From(0x10000));
  ASSERT_EQ(walked.size(), kMaxStackEntries);
  EXPECT_EQ(walked.front().returnAddress, 0x140000000u);
  EXPECT_EQ(walked.back().nextFrame, 0x10000u + kMaxStackEntries * 0x40);
  EXPECT_EQ(walked.back().returnAddress, 0x140000000u + kMaxStackEntries - 1);

  FakeStack loop;  // a frame that points at itself, as a corrupt stack can
  loop.Frame(0x20000, 0x20000, 0x140000010);
  EXPECT_EQ(WalkFrames(loop.From(0x20000)).size(), kMaxStackEntries);
}

TEST(FormatCrashReport, WholeText) {
  const struct {
    CrashFacts facts;
    const wchar_t* text;
  } cases[] = {
      {{6, 1, L"1.0.0.0", 0xC0000005, 0x7FF6A1B2C3D4, {{0x5FFE10, 0x7FF6A1B20010}, {0, 0x7FFA00001000}}},
       L"Operating System: 6,1\r\n"
       L"Product: Sorvane 1.0.0.0\r\n"
       L"Exception Code: 0xC0000005\r\n"
       L"Exception Address: 0x7FF6A1B2C3D4\r\n"
       L"Call Stack:\r\n"
       L"0x5FFE10,0x7FF6A1B20010\r\n"
       L"0x0,0x7FFA00001000\r\n"},
      // No version resource and no readable frame.
      {{10, 0, L"", 0xC00000FD, 0x401000, {}},
       L"Operating System: 10,0\r\n"
       L"Product: Sorvane \r\n"
       L"Exception Code: 0xC00000FD\r\n"
       L"Exception Address: 0x401000\r\n"
       L"Call Stack:\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatCrashReport(c.facts), c.text);
}

TEST(FormatCrashReport, SixtyFourBitHexUpperCaseWithoutLeadingZeros) {
  const struct {
    uint64_t value;
    const wchar_t* text;
  } cases[] = {
      {0, L"0x0"},
      {0xabcdef, L"0xABCDEF"},
      {0x100000000, L"0x100000000"},
      {0x00007FF6A1B2C3D4, L"0x7FF6A1B2C3D4"},
      {0xFFFFFFFFFFFFFFFF, L"0xFFFFFFFFFFFFFFFF"},
  };
  for (const auto& c : cases) {
    CrashFacts facts;
    facts.address = c.value;
    facts.stack = {{c.value, c.value}};
    const std::wstring text = FormatCrashReport(facts);
    const std::wstring value = c.text;
    EXPECT_NE(text.find(L"\r\nException Address: " + value + L"\r\n"), std::wstring::npos) << c.value;
    EXPECT_NE(text.find(L"\r\nCall Stack:\r\n" + value + L"," + value + L"\r\n"), std::wstring::npos) << c.value;
  }
}
