// A number field with its spin buttons in a window of the test's own, set up as the
// recorder's main window sets up its repeat count, and driven by messages: typed
// characters, the spin's arrow keys and mouse clicks on its arrows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cwctype>
#include <string>
#include <thread>

#include "../../shared/controls/NumEdit.h"
#include "../../shared/controls/NumSpinCtrl.h"
#include "Harness.h"

namespace {

constexpr int kEditId = 1004;
constexpr int kSpinId = 1009;
constexpr int kPlainEditId = 1005;

enum class Arrow { Up, Down };

// A window that hands its children's notifications back to them, as dialogs do.
class HostWindow {
 public:
  HostWindow() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&init);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"NumEditTestHost";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"NumEdit test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                              120, nullptr, nullptr, wc.hInstance, nullptr);
    // As in the recorder's templates: digits only, spin aligned right with arrow keys.
    AddChild(WC_EDITW, kEditId, WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 10);
    AddChild(UPDOWN_CLASSW, kSpinId, UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0);
    AddChild(WC_EDITW, kPlainEditId, WS_BORDER, 150);
  }
  ~HostWindow() { DestroyWindow(window_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  void AddChild(const wchar_t* className, int id, DWORD style, int x) const {
    CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, 10, 100, 22, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  }

  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (LRESULT result = 0; ReflectToControl(window, msg, wp, lp, result)) return result;
    return DefWindowProcW(window, msg, wp, lp);
  }

  HWND window_ = nullptr;
};

class NumEditTest : public ::testing::Test {
 protected:
  // The recorder's calls for its repeat count.
  void SetUp() override {
    ASSERT_TRUE(edit_.Subclass(host_.Handle(), kEditId));
    ASSERT_TRUE(spin_.Subclass(host_.Handle(), kSpinId));
    spin_.SetBuddy(edit_.Handle());
    spin_.SetRange(1, 10000000);
    edit_.SetText(L"10");
  }

  void Type(const std::wstring& characters) const {
    edit_.Send(EM_SETSEL, edit_.Text().size(), edit_.Text().size());
    for (wchar_t c : characters) edit_.Send(WM_CHAR, c, 1);
  }

  // The arrow keys, which the spin takes from its buddy.
  void PressArrowKey(Arrow arrow) const {
    const WPARAM key = arrow == Arrow::Up ? VK_UP : VK_DOWN;
    edit_.Send(WM_KEYDOWN, key, 1);
    edit_.Send(WM_KEYUP, key, 0xC0000001);
  }

  void ClickArrow(Arrow arrow) const {
    const RECT client = spin_.ClientRect();
    const int y = arrow == Arrow::Up ? client.bottom / 4 : client.bottom * 3 / 4;
    const LPARAM point = MAKELPARAM(client.right / 2, y);
    spin_.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
    spin_.Send(WM_LBUTTONUP, 0, point);
  }

  int SpinPosition() const { return static_cast<int>(spin_.Send(UDM_GETPOS32)); }

  HostWindow host_;
  CNumEdit edit_;
  CNumSpinCtrl spin_;
};

TEST(NumEditPair, SettingTheBuddyShowsZero) {
  HostWindow host;
  CNumEdit edit;
  CNumSpinCtrl spin;
  ASSERT_TRUE(edit.Subclass(host.Handle(), kEditId));
  ASSERT_TRUE(spin.Subclass(host.Handle(), kSpinId));
  spin.SetBuddy(edit.Handle());
  EXPECT_EQ(edit.Text(), L"0");
  EXPECT_EQ(spin.GetBuddy(), edit.Handle());
}

TEST_F(NumEditTest, TypingTakesDigitsOnly) {
  edit_.SetText(L"");
  Type(L"4a2-x.7 ");
  EXPECT_EQ(edit_.Text(), L"427");
  EXPECT_EQ(edit_.GetValue(), 427.0f);
}

// Text that got past the digits-only style, as by pasting: read as the minimum, and
// corrected by the next step from its leading number.
TEST_F(NumEditTest, BadTextReadsAsTheMinimumAndAStepCorrectsIt) {
  const struct {
    const wchar_t* text;
    NumberCheck check;
    const wchar_t* afterUp;
  } cases[] = {
      {L"12x", NumberCheck::NotANumber, L"13"},
      {L"abc", NumberCheck::NotANumber, L"1"},
      {L"", NumberCheck::NotANumber, L"1"},
      {L"-", NumberCheck::LoneSign, L"1"},
      {L"0", NumberCheck::OutOfRange, L"1"},
      {L"20000000", NumberCheck::OutOfRange, L"10000000"},
  };
  for (const auto& c : cases) {
    edit_.SetText(c.text);
    EXPECT_EQ(edit_.IsValid(), c.check) << "text: \"" << c.text << '"';
    EXPECT_EQ(spin_.GetPos(), 1.0f) << "text: \"" << c.text << '"';
    PressArrowKey(Arrow::Up);
    EXPECT_EQ(edit_.Text(), c.afterUp) << "text: \"" << c.text << '"';
  }
}

TEST_F(NumEditTest, ArrowsStepWithinTheRange) {
  const struct {
    const wchar_t* start;
    Arrow arrow;
    int times;
    const wchar_t* expected;
  } cases[] = {
      {L"10", Arrow::Up, 1, L"11"},         {L"10", Arrow::Down, 1, L"9"},
      {L"1", Arrow::Down, 1, L"1"},         {L"3", Arrow::Down, 5, L"1"},
      {L"9999999", Arrow::Up, 3, L"10000000"}, {L"10000000", Arrow::Up, 1, L"10000000"},
  };
  for (const auto& c : cases) {
    for (bool click : {false, true}) {
      edit_.SetText(c.start);
      for (int i = 0; i < c.times; ++i) click ? ClickArrow(c.arrow) : PressArrowKey(c.arrow);
      EXPECT_EQ(edit_.Text(), c.expected) << "from " << c.start << (click ? " by clicks" : " by keys");
    }
  }
}

TEST_F(NumEditTest, StepsShowTheWholeNewValueSelected) {
  PressArrowKey(Arrow::Up);
  DWORD start = 1, end = 0;
  edit_.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);
}

// The spin's own position never reaches an end, where it would stop stepping.
TEST_F(NumEditTest, KeepsSteppingPastTheSpinsOwnRange) {
  for (Arrow arrow : {Arrow::Down, Arrow::Up}) {
    edit_.SetText(L"5000");
    for (int i = 0; i < 700; ++i) {
      PressArrowKey(arrow);
      ASSERT_GT(SpinPosition(), kSpinLowest);
      ASSERT_LT(SpinPosition(), kSpinHighest);
    }
    EXPECT_EQ(edit_.Text(), arrow == Arrow::Up ? L"5700" : L"4300");
  }
}

TEST_F(NumEditTest, PositionAndDeltaGoToTheBuddy) {
  spin_.SetPos(25);
  EXPECT_EQ(edit_.Text(), L"25");
  EXPECT_EQ(spin_.GetPos(), 25.0f);
  spin_.SetPos(0);  // below the range: refused
  EXPECT_EQ(edit_.Text(), L"25");

  spin_.SetDelta(0.5f);
  EXPECT_EQ(edit_.GetDelta(), 0.5f);
  PressArrowKey(Arrow::Up);
  EXPECT_EQ(edit_.Text(), L"25.5");
  PressArrowKey(Arrow::Up);
  EXPECT_EQ(edit_.Text(), L"26.0");

  float minimum = 0, maximum = 0;
  spin_.GetRange(minimum, maximum);
  EXPECT_EQ(minimum, 1.0f);
  EXPECT_EQ(maximum, 10000000.0f);
}

TEST_F(NumEditTest, SpinWithAPlainBuddyLeavesItAlone) {
  const HWND plain = GetDlgItem(host_.Handle(), kPlainEditId);
  SetWindowTextW(plain, L"7");
  spin_.SetBuddy(plain);
  spin_.SetPos(3);
  ClickArrow(Arrow::Up);
  EXPECT_EQ(WindowText(plain), L"7");
  EXPECT_EQ(spin_.GetPos(), 0.0f);
  EXPECT_EQ(spin_.GetDelta(), 0.0f);
  EXPECT_EQ(edit_.Text(), L"10");
}

// The message box shown while the edit checks text, or an empty text when none comes
// within the time.
std::wstring MessageWhileChecking(const CNumEdit& edit, const wchar_t* text, NumberCheck expected, DWORD timeoutMs) {
  std::wstring shown;
  std::thread reader([&shown, timeoutMs] {
    const HWND box = WaitForWindow(L"#32770", nullptr, GetCurrentProcessId(), timeoutMs);
    if (!box) return;
    shown = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(edit.IsValid(text), expected) << "text: \"" << text << '"';
  reader.join();
  while (!shown.empty() && iswspace(shown.back())) shown.pop_back();
  return shown;
}

TEST_F(NumEditTest, ShowErrorsTellsAboutABadText) {
  edit_.SetShowErrors(true);
  EXPECT_EQ(MessageWhileChecking(edit_, L"12x", NumberCheck::NotANumber, 5000), L"Characters must be a number.");
  EXPECT_EQ(MessageWhileChecking(edit_, L"0", NumberCheck::OutOfRange, 5000), L"Given value is out of range.");
  // A lone sign is a number being typed and is not reported.
  EXPECT_EQ(MessageWhileChecking(edit_, L"-", NumberCheck::LoneSign, 1000), L"");
}

}  // namespace
