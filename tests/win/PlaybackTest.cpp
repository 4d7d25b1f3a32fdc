// The recorder playing records from its command line into a probe window, as the
// scheduler starts it: what arrives, in which order, and how it ends.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdio>

#include "../../recorder/engine/RecordFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "Harness.h"
#include "InputProbe.h"

namespace {

constexpr DWORD kStoppedByUser = 0xFFFFFFFE;  // exit code -2
// Between two events: enough for the X server behind Wine to catch up with one cursor
// placement before the next.
constexpr uint32_t kGap = 50;

MacroEvent Event(EventKind kind, int x, int y, uint32_t gap, int16_t wheel = 0) {
  return {static_cast<uint16_t>(kind), static_cast<uint16_t>(x), static_cast<uint16_t>(y), wheel, gap};
}
MacroEvent Key(EventKind kind, uint16_t vk, uint32_t gap) { return Event(kind, vk, 0, gap); }

bool IsDown(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

class PlaybackTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"SorvanePlaybackTest";
    CreateDirectoryW(folder_.c_str(), nullptr);
    // The tip after a stop by mouse movement is wanted unless a test says otherwise.
    const std::wstring settings = SettingsFile();
    SHCreateDirectoryExW(nullptr, settings.substr(0, settings.rfind(L'\\')).c_str(), nullptr);
    WritePrivateProfileStringW(L"Option", L"UserCtrlTip", nullptr, SettingsFile().c_str());
    WritePrivateProfileStringW(L"Option", L"NoProgWnd", nullptr, SettingsFile().c_str());
  }

  static std::wstring SettingsFile() { return AppDataFolder() + L"\\Quennet\\Sorvane\\conf.ini"; }
  void TearDown() override { EnsureEnded(sorvane_); }

  std::wstring WriteRecord(const wchar_t* name, const std::vector<MacroEvent>& events) {
    const std::wstring path = folder_ + L"\\" + name;
    Win32FileStore files;
    std::wstring error;
    EXPECT_TRUE(WriteRecordFile(files, path, L"test record", events, error)) << testing::PrintToString(error);
    return path;
  }

  void Play(const std::wstring& arguments) {
    sorvane_ = StartProgram(L"Sorvane.exe", arguments);
    ASSERT_TRUE(sorvane_.process);
  }

  DWORD WaitForExitCode(DWORD timeoutMs = 20000) {
    DWORD code = 0;
    EXPECT_TRUE(WaitForExit(sorvane_, timeoutMs, &code)) << "Sorvane did not end";
    return code;
  }

  // A message box of Sorvane: its text, after which OK is pressed.
  std::wstring AnswerMessageBox() {
    HWND box = WaitForWindow(L"#32770", L"Sorvane", sorvane_.id, 10000);
    if (!box) return L"(no message box)";
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
  }

  std::wstring folder_;
  RunningProgram sorvane_;
};

std::vector<ProbeEvent> WithoutModifierReleases(std::vector<ProbeEvent> events) {
  std::erase_if(events, [](const ProbeEvent& e) {
    return (e.message == WM_KEYUP || e.message == WM_SYSKEYUP) && e.a >= VK_SHIFT && e.a <= VK_MENU;
  });
  return events;
}

TEST_F(PlaybackTest, PlaysEveryKindOfEventInOrderAsOftenAsAsked) {
  InputProbe probe(200, 200, 500, 400);
  const std::wstring path = WriteRecord(L"every kind.rec", {
      Event(EventKind::MouseMove, 300, 300, kGap),
      Event(EventKind::LeftDown, 300, 300, kGap),  // the click gives the probe the keyboard
      Event(EventKind::LeftUp, 300, 300, kGap),
      // As recorded, a move to a new place comes before the button event there.
      Event(EventKind::MouseMove, 350, 320, kGap),
      Event(EventKind::RightDown, 350, 320, kGap),
      Event(EventKind::MouseMove, 380, 340, kGap),
      Event(EventKind::RightUp, 380, 340, kGap),
      Event(EventKind::MouseMove, 410, 360, kGap),
      Event(EventKind::MiddleDown, 410, 360, kGap),
      Event(EventKind::MiddleUp, 410, 360, kGap),
      Event(EventKind::MouseMove, 360, 330, kGap),
      Event(EventKind::Wheel, 360, 330, kGap, 120),
      Event(EventKind::Wheel, 360, 330, kGap, -240),
      Key(EventKind::KeyDown, 'A', kGap),
      Key(EventKind::KeyUp, 'A', kGap),
      Key(EventKind::KeyDown, VK_LEFT, kGap),
      Key(EventKind::KeyUp, VK_LEFT, 0),
  });
  Play(L"<r 2>" + path);
  EXPECT_NE(WaitForExitCode(), kStoppedByUser);

  const std::vector<ProbeEvent> pass = {
      {WM_LBUTTONDOWN, 300, 300}, {WM_LBUTTONUP, 300, 300}, {WM_RBUTTONDOWN, 350, 320}, {WM_RBUTTONUP, 380, 340},
      {WM_MBUTTONDOWN, 410, 360}, {WM_MBUTTONUP, 410, 360}, {WM_MOUSEWHEEL, 120, 0},     {WM_MOUSEWHEEL, -240, 0},
      {WM_KEYDOWN, 'A', 0},       {WM_KEYUP, 'A', 0},       {WM_KEYDOWN, VK_LEFT, 1},   {WM_KEYUP, VK_LEFT, 1},
  };
  std::vector<ProbeEvent> twice = pass;
  twice.insert(twice.end(), pass.begin(), pass.end());
  const std::vector<ProbeEvent> received = WithoutModifierReleases(probe.EventsWithoutMoves());
  std::string all;
  for (const ProbeEvent& e : received) all += Describe(e) + "\n";
  ASSERT_EQ(received.size(), twice.size()) << all;
  for (size_t i = 0; i < twice.size(); ++i) EXPECT_EQ(received[i], twice[i]) << "event " << i << ": " << Describe(received[i]);
}

// The progress window is kept hidden here: its hotkeys must work all the same.
TEST_F(PlaybackTest, TheStopHotkeyEndsAtOnceWithMinusTwoAndReleasesWhatWasHeld) {
  WritePrivateProfileStringW(L"Option", L"NoProgWnd", L"1", SettingsFile().c_str());
  InputProbe probe(200, 200, 500, 400);
  const std::wstring path = WriteRecord(L"held.rec", {
      Event(EventKind::LeftDown, 300, 300, 20),
      Key(EventKind::KeyDown, 'A', 60000),
      Key(EventKind::KeyUp, 'A', 0),
  });
  Play(path);
  ASSERT_TRUE(probe.WaitForEvents(2, 10000)) << "the record did not start";
  Sleep(200);
  probe.Clear();

  ReleaseModifiers();
  const ULONGLONG pressed = GetTickCount64();
  InjectKey(VK_MENU, false);
  InjectKey(VK_F2, false);
  InjectKey(VK_F2, true);
  InjectKey(VK_MENU, true);
  EXPECT_EQ(WaitForExitCode(5000), kStoppedByUser);
  const ULONGLONG stoppedAfter = GetTickCount64() - pressed;
  EXPECT_LT(stoppedAfter, 250u) << "the stop hotkey took " << stoppedAfter << " ms";
  std::printf("stop hotkey to exit: %llu ms\n", static_cast<unsigned long long>(stoppedAfter));

  const std::vector<ProbeEvent> after = probe.EventsWithoutMoves();
  const auto has = [&](ProbeEvent e) { return std::find(after.begin(), after.end(), e) != after.end(); };
  EXPECT_TRUE(has({WM_LBUTTONUP, 300, 300})) << "the held button was not released";
  EXPECT_TRUE(has({WM_KEYUP, 'A', 0})) << "the held key was not released";
  EXPECT_FALSE(IsDown('A'));
  EXPECT_FALSE(IsDown(VK_LBUTTON));
}

TEST_F(PlaybackTest, MovingTheMouseStopsAfterTheTipWithMinusTwoAndModifiersUp) {
  InputProbe probe(200, 200, 500, 400);
  const std::wstring path = WriteRecord(L"moved.rec", {
      Event(EventKind::LeftDown, 300, 300, 20),
      Event(EventKind::LeftUp, 300, 300, 20),
      Key(EventKind::KeyDown, VK_CONTROL, 20),
      Key(EventKind::KeyDown, VK_SHIFT, 60000),
      Key(EventKind::KeyUp, VK_SHIFT, 0),
      Key(EventKind::KeyUp, VK_CONTROL, 0),
  });
  Play(path);
  ASSERT_TRUE(probe.WaitForEvents(4, 10000)) << "the record did not start";
  Sleep(400);
  EXPECT_TRUE(IsDown(VK_CONTROL) && IsDown(VK_SHIFT)) << "the record holds Ctrl and Shift";
  SetCursorPos(320, 310);

  HWND tip = WaitForWindow(L"#32770", L"Sorvane", sorvane_.id, 5000);
  ASSERT_NE(tip, nullptr) << "no tip after the user moved the mouse";
  EXPECT_FALSE(IsDown(VK_CONTROL)) << "Ctrl is still down while the tip shows";
  EXPECT_FALSE(IsDown(VK_SHIFT)) << "Shift is still down while the tip shows";
  // Each click on "Don't show this message again" is written at once.
  HWND dontShow = GetDlgItem(tip, 1038);
  ASSERT_NE(dontShow, nullptr);
  for (const wchar_t* expected : {L"0", L"1", L"0"}) {
    SendMessageW(dontShow, BM_CLICK, 0, 0);
    wchar_t value[8] = L"";
    GetPrivateProfileStringW(L"Option", L"UserCtrlTip", L"", value, 8, SettingsFile().c_str());
    EXPECT_STREQ(value, expected);
  }
  PostMessageW(tip, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForExitCode(5000), kStoppedByUser);
  EXPECT_FALSE(IsDown(VK_MENU));
}

TEST_F(PlaybackTest, AStopHotkeyTakenByAnotherProgramIsReportedAndThePlaybackGoesOn) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, VK_F2));
  InputProbe probe(200, 200, 500, 400);
  const std::wstring path = WriteRecord(L"conflict.rec", {
      Event(EventKind::LeftDown, 300, 300, kGap),
      Event(EventKind::LeftUp, 300, 300, 0),
  });
  Play(path);
  EXPECT_EQ(AnswerMessageBox(), L"Hotkey 'Alt + F2' conflict!");
  EXPECT_NE(WaitForExitCode(), kStoppedByUser);
  EXPECT_EQ(WithoutModifierReleases(probe.EventsWithoutMoves()).size(), 2u) << "the record was not played";
  UnregisterHotKey(nullptr, 1);
}

// Files written by other tools to the record layout: an older version, a description
// in 8-bit text, another first chunk and another magic.
TEST_F(PlaybackTest, PlaysRecordFilesMadeByHand) {
  auto u32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  const MacroEvent click[] = {Event(EventKind::LeftDown, 300, 300, kGap), Event(EventKind::LeftUp, 300, 300, 0)};
  const std::string events = u32(8 + sizeof click) + u32(3) + std::string(reinterpret_cast<const char*>(click), sizeof click);
  const std::string firstChunk = u32(8 + 6) + u32(7) + "other!";  // of another type
  // The description chunk's length is its text's bytes, the NUL and the head: 8-bit text.
  const std::string chunks = firstChunk + u32(8 + 5) + u32(4) + std::string("caf\xe9\0", 5) + events + u32(8) + u32(1);
  const std::string file = std::string("XXXX") + u32(1) + u32(20 + chunks.size()) + u32(4096) + u32(4) + chunks;
  const std::wstring path = folder_ + L"\\hand made.rec";
  WriteFileBytes(path, file);

  InputProbe probe(200, 200, 500, 400);
  Play(path);
  EXPECT_NE(WaitForExitCode(), kStoppedByUser);
  EXPECT_EQ(WithoutModifierReleases(probe.EventsWithoutMoves()),
            (std::vector<ProbeEvent>{{WM_LBUTTONDOWN, 300, 300}, {WM_LBUTTONUP, 300, 300}}));
}

TEST_F(PlaybackTest, BadCommandLinesAndDamagedFilesAreReportedAndEndTheProgram) {
  const std::wstring damaged = folder_ + L"\\damaged.rec";
  WriteFileBytes(damaged, std::string("QVN#\x02\0\0\0", 8) + std::string(12, '\0') + std::string("\x05\0\0\0", 4));
  const std::wstring empty = WriteRecord(L"empty.rec", {});
  const struct {
    std::wstring arguments;
    std::wstring message;
  } cases[] = {
      {L"<r 3 x.rec", L"Invalid arguments: <r 3 x.rec"},
      {L"<r 1>" + damaged, L"Invalid file format."},
      {folder_ + L"\\missing.rec", L"Can not open file: '" + folder_ + L"\\missing.rec'"},
      {empty, L"Record: '" + empty + L"' is empty!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    Play(c.arguments);
    EXPECT_EQ(AnswerMessageBox(), c.message);
    EXPECT_NE(WaitForExitCode(10000), kStoppedByUser);
    EnsureEnded(sorvane_);
  }
}

}  // namespace
