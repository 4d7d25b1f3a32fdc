// The shutdown dialog runs in a thread of its own with a fake shutdown that only counts
// its calls; the test's thread watches the countdown and clicks the buttons.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

#include "../../recorder/ShutdownDlg.h"
#include "../../recorder/resource.h"
#include "DialogThread.h"
#include "Harness.h"

namespace {

constexpr UINT kNeverMs = 0x7FFFFFFF;  // the countdown's timer does not tick by itself
constexpr UINT_PTR kCountdownTimer = 100;

class ShutdownDlgTest : public testing::Test {
 protected:
  void TearDown() override { dialog_.Close(); }

  void Open(UINT tickMs) {
    ASSERT_TRUE(dialog_.Open(L"Shutdown Computer", [this] { ++shutdowns_; }, tickMs))
        << "no dialog titled \"Shutdown Computer\"";
  }

  HWND Window() const { return dialog_.Window(); }
  std::wstring Time() const { return WindowText(dialog_.Item(IDC_SHUTDOWN_TIME)); }
  bool Closed() { return dialog_.Closed(); }

  std::atomic<int> shutdowns_ = 0;
  DialogThread<CShutdownDlg> dialog_;
};

TEST_F(ShutdownDlgTest, OpensOnTopWithTheFullMinuteAndCancelFocused) {
  ASSERT_NO_FATAL_FAILURE(Open(kNeverMs));
  EXPECT_TRUE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Time(), L"60 seconds");
  EXPECT_EQ(GetWindowLongW(GetDlgItem(Window(), IDC_SHUTDOWN_TIME), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
  EXPECT_EQ(WindowText(GetDlgItem(Window(), IDC_SHUTDOWN_NOW)), L"Shutdown Immediate");
  EXPECT_EQ(WindowText(GetDlgItem(Window(), IDCANCEL)), L"Cancel");

  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(Window(), nullptr), &info);
  EXPECT_EQ(info.hwndFocus, GetDlgItem(Window(), IDCANCEL));

  // The texts are drawn transparently on the dialog's own grey.
  const HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(GetDlgItem(Window(), IDC_SHUTDOWN_TIME))));
  LOGBRUSH colour{};
  ASSERT_TRUE(GetObjectW(brush, sizeof colour, &colour)) << "no brush for the texts";
  EXPECT_EQ(colour.lbColor, RGB(246, 246, 246));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  DeleteDC(dc);
}

TEST_F(ShutdownDlgTest, CountsDownOnceASecond) {
  ASSERT_NO_FATAL_FAILURE(Open(1000));
  const std::wstring first = Time();
  ASSERT_TRUE(WaitUntil([&] { return Time() != first; }, 3000)) << "stuck at " << testing::PrintToString(first);
  const ULONGLONG changed = GetTickCount64();
  const std::wstring second = Time();
  ASSERT_TRUE(WaitUntil([&] { return Time() != second; }, 3000)) << "stuck at " << testing::PrintToString(second);
  const ULONGLONG elapsed = GetTickCount64() - changed;
  EXPECT_GT(elapsed, 700u);
  EXPECT_LT(elapsed, 2000u);
  const int seconds = std::stoi(second);
  EXPECT_EQ(second, std::to_wstring(seconds) + L" seconds");
  EXPECT_EQ(Time(), std::to_wstring(seconds - 1) + L" seconds");
  EXPECT_EQ(shutdowns_, 0);
}

TEST_F(ShutdownDlgTest, ShutsDownWhenTheLastSecondIsOver) {
  ASSERT_NO_FATAL_FAILURE(Open(kNeverMs));
  for (int tick = 1; tick < 60; ++tick) SendMessageW(Window(), WM_TIMER, kCountdownTimer, 0);
  EXPECT_EQ(Time(), L"1 seconds");
  EXPECT_EQ(shutdowns_, 0);
  SendMessageW(Window(), WM_TIMER, kCountdownTimer, 0);
  EXPECT_EQ(Time(), L"Shutting down...");
  EXPECT_EQ(shutdowns_, 1);
}

TEST_F(ShutdownDlgTest, TheShutdownStartsOnceAndTheDialogWaitsForCancel) {
  constexpr UINT kTickMs = 50;
  const struct {
    const char* name;
    bool clickNow;
    DWORD earliestMs, latestMs;
  } cases[] = {
      {"Shutdown Immediate", true, 0, 1000},
      // Window timers may come a little early.
      {"the countdown runs out", false, 55 * kTickMs, kDialogTimeoutMs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    shutdowns_ = 0;
    const ULONGLONG opened = GetTickCount64();
    ASSERT_NO_FATAL_FAILURE(Open(kTickMs));
    if (c.clickNow) Click(Window(), IDC_SHUTDOWN_NOW);
    ASSERT_TRUE(WaitUntil([&] { return shutdowns_ > 0; })) << "no shutdown";
    const ULONGLONG elapsed = GetTickCount64() - opened;
    EXPECT_GE(elapsed, c.earliestMs);
    EXPECT_LE(elapsed, c.latestMs);
    EXPECT_EQ(Time(), L"Shutting down...");

    // Longer than the whole countdown: the timer has stopped.
    Sleep(70 * kTickMs);
    EXPECT_EQ(shutdowns_, 1);
    EXPECT_EQ(Time(), L"Shutting down...");
    ASSERT_TRUE(IsWindow(Window())) << "the dialog closed itself";

    // A shutdown that did not happen leaves Cancel to close the dialog.
    Click(Window(), IDCANCEL);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(dialog_.Result(), IDCANCEL);
  }
}

TEST_F(ShutdownDlgTest, CancellingNeverShutsDown) {
  const struct {
    const char* name;
    std::function<void(HWND)> act;
  } cases[] = {
      {"Cancel", [](HWND window) { Click(window, IDCANCEL); }},
      {"Enter",
       [](HWND window) {
         const LPARAM scanCode = MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC) << 16;
         PostMessageW(GetDlgItem(window, IDCANCEL), WM_KEYDOWN, VK_RETURN, scanCode | 1);
       }},
      {"the close box", [](HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(Open(kNeverMs));
    c.act(Window());
    ASSERT_TRUE(Closed()) << "the dialog stayed";
    EXPECT_EQ(dialog_.Result(), IDCANCEL);
    EXPECT_EQ(shutdowns_, 0);
  }
}

}  // namespace
