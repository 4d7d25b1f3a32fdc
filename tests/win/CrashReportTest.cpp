// The crash report of playback. The test program runs itself as a child that plays
// inside a dialog's WM_COMMAND handler, as the recorder does, and the parent watches
// what the child shows and how it ends.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "../../recorder/crash/CrashReport.h"
#include "../../recorder/resource.h"
#include "../../shared/win/Dialog.h"
#include "Harness.h"

namespace {

constexpr int kHostDialog = 200;  // in CrashReportTest.rc
constexpr int kPlayCommand = 1000;
constexpr int kSurvived = 42;  // the child's exit code when the guard let it go on

// Faults of the processor, each inside play.

void WriteThroughNull() { *static_cast<volatile int*>(nullptr) = 1; }

void DivideByZero() {
  volatile int dividend = 7;
  volatile int zero = 0;
  volatile int quotient = dividend / zero;
  (void)quotient;
}

void ExecuteIllegalInstruction() { __builtin_trap(); }

// Frames that are not inlined into each other, until the stack runs out.
__attribute__((noinline)) int Recurse(int depth) {
  volatile char frame[64];
  frame[0] = static_cast<char>(depth);
  if (depth == 0) return 0;
  return Recurse(depth - 1) + frame[0];
}

void OverflowStack() { Recurse(INT32_MAX); }

struct CrashCase {
  const char* name;
  void (*play)();
  DWORD code;
  bool fullStack;  // the frame chain is longer than the report shows
};

const CrashCase kCrashes[] = {
    {"WriteThroughNull", WriteThroughNull, EXCEPTION_ACCESS_VIOLATION, false},
    {"DivideByZero", DivideByZero, EXCEPTION_INT_DIVIDE_BY_ZERO, false},
    {"IllegalInstruction", ExecuteIllegalInstruction, EXCEPTION_ILLEGAL_INSTRUCTION, false},
    {"StackOverflow", OverflowStack, EXCEPTION_STACK_OVERFLOW, true},
};

// Uses of the guard that must leave the program running. Each returns whether play
// behaved as it should; raised counts the access violations it raises for the child's
// own last handler to take.

std::atomic<int> g_absorbed{0};

LONG CALLBACK AbsorbAccessViolation(EXCEPTION_POINTERS* exception) {
  if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) return EXCEPTION_CONTINUE_SEARCH;
  ++g_absorbed;
  return EXCEPTION_CONTINUE_EXECUTION;
}

void RaiseAccessViolation() { RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr); }

bool PlayReturns() {
  bool played = false;
  PlaybackGuard([&] { played = true; });
  return played;
}

bool CatchesItsOwnException() {
  bool caught = false;
  PlaybackGuard([&] {
    try {
      throw std::runtime_error("inside play");
    } catch (const std::runtime_error&) {
      caught = true;
    }
  });
  return caught;
}

bool ThrowsOutOfPlay() {
  try {
    PlaybackGuard([] { throw std::runtime_error("out of play"); });
  } catch (const std::runtime_error&) {
    return true;
  }
  return false;
}

bool FaultsOnAnotherThread() {
  PlaybackGuard([] { std::thread(RaiseAccessViolation).join(); });
  return true;
}

struct PassCase {
  const char* name;
  bool (*run)();
  int raised;
};

const PassCase kPasses[] = {
    {"PlayReturns", PlayReturns, 0},
    {"CatchesItsOwnException", CatchesItsOwnException, 0},
    {"ThrowsOutOfPlay", ThrowsOutOfPlay, 0},
    {"FaultsOnAnotherThread", FaultsOnAnotherThread, 1},
};

// After any of them, a fault on this thread is no longer the guard's business.
int RunPass(const PassCase& pass) {
  AddVectoredExceptionHandler(0, AbsorbAccessViolation);
  const bool behaved = pass.run();
  RaiseAccessViolation();
  return behaved && g_absorbed == pass.raised + 1 ? kSurvived : 1;
}

// The child's dialog: it posts itself the command that plays, as a menu or a button
// would, and ends with what the play gave.
class HostDialog : public ModalDialog {
 public:
  explicit HostDialog(std::function<int()> play) : ModalDialog(kHostDialog), play_(std::move(play)) {}

 protected:
  bool OnInitDialog() override {
    Post(WM_COMMAND, kPlayCommand);
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id != kPlayCommand) return ModalDialog::OnCommand(id, code, control);
    End(play_());
    return true;
  }

 private:
  std::function<int()> play_;
};

int RunChild(const char* name) {
  for (const CrashCase& crash : kCrashes) {
    if (std::strcmp(crash.name, name) == 0) {
      return static_cast<int>(HostDialog([&] {
                                PlaybackGuard(crash.play);
                                return 1;
                              }).DoModal(nullptr));
    }
  }
  for (const PassCase& pass : kPasses) {
    if (std::strcmp(pass.name, name) == 0) {
      return static_cast<int>(HostDialog([&] { return RunPass(pass); }).DoModal(nullptr));
    }
  }
  return 2;
}

// The parent's side.

class Child {
 public:
  explicit Child(const char* scenario) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string name(scenario);
    program_ = StartProcess(self, L"--child " + std::wstring(name.begin(), name.end()));
  }
  ~Child() { EnsureEnded(program_); }

  const RunningProgram& Program() const { return program_; }

 private:
  RunningProgram program_;
};

std::wstring ControlText(HWND control) {
  std::wstring text(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
  text.resize(SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return text;
}

// The lines of a text whose every line ends with CRLF.
std::vector<std::wstring> CrlfLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line does not end with CRLF";
  return lines;
}

bool Matches(const std::wstring& line, const std::wstring& pattern) {
  return std::regex_match(line, std::wregex(pattern));
}

// Hexadecimal, upper case, without leading zeros.
const std::wstring kHex = L"0x(0|[1-9A-F][0-9A-F]*)";

std::wstring Hex(DWORD value) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%lX", value);
  return text;
}

void PrintTo(const CrashCase& crash, std::ostream* out) { *out << crash.name; }
void PrintTo(const PassCase& pass, std::ostream* out) { *out << pass.name; }

class CrashTest : public testing::TestWithParam<CrashCase> {};

TEST_P(CrashTest, ShowsTheReportAndEndsWithExitCodeZero) {
  Child child(GetParam().name);
  HWND dialog = WaitForWindow(L"#32770", L"Error Occurred ", child.Program().id, 20000);
  ASSERT_NE(dialog, nullptr) << "no crash report";

  const std::vector<std::wstring> lines = CrlfLines(ControlText(GetDlgItem(dialog, IDC_ERROR_TEXT)));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_TRUE(Matches(lines[0], L"Operating System: \\d+,\\d+")) << lines[0];
  EXPECT_EQ(lines[1], L"Product: Sorvane ");  // the test program has no version resource
  EXPECT_EQ(lines[2], L"Exception Code: " + Hex(GetParam().code));
  EXPECT_TRUE(Matches(lines[3], L"Exception Address: " + kHex)) << lines[3];
  EXPECT_NE(lines[3], L"Exception Address: 0x0");
  EXPECT_EQ(lines[4], L"Call Stack:");
  const size_t entries = lines.size() - 5;
  EXPECT_LE(entries, 100u);
  // The faulting function, play, the guard, the dialog's command handler and more lie
  // above the fault; each caller's frame is higher up the stack than its callee's.
  EXPECT_GE(entries, 4u);
  for (size_t i = 6; i < lines.size(); ++i) {
    EXPECT_GT(std::stoull(lines[i].substr(2), nullptr, 16), std::stoull(lines[i - 1].substr(2), nullptr, 16))
        << lines[i - 1] << " then " << lines[i];
  }
  if (GetParam().fullStack) {
    EXPECT_EQ(entries, 100u);
  }
  for (size_t i = 5; i < lines.size(); ++i) EXPECT_TRUE(Matches(lines[i], kHex + L"," + kHex)) << lines[i];

  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(WaitForExit(child.Program(), 10000, &exitCode)) << "the child did not end after OK";
  EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, CrashTest, testing::ValuesIn(kCrashes),
                         [](const auto& info) { return std::string(info.param.name); });

class PassTest : public testing::TestWithParam<PassCase> {};

TEST_P(PassTest, LetsTheProgramGoOnAndReportsNothingAfterwards) {
  Child child(GetParam().name);
  DWORD exitCode = 0;
  ASSERT_TRUE(WaitForExit(child.Program(), 20000, &exitCode)) << "the child did not end";
  EXPECT_EQ(exitCode, static_cast<DWORD>(kSurvived));
}

INSTANTIATE_TEST_SUITE_P(Guard, PassTest, testing::ValuesIn(kPasses),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return RunChild(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
