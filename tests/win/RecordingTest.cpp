// Recording for real: the start-recording hotkey, input injected by the test, the stop
// hotkey, the save dialog, the file it writes, and that file played back.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "../../recorder/engine/RecordFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "Harness.h"
#include "InputProbe.h"

namespace {

constexpr wchar_t kMainClass[] = L"Sorvane_IDK290SE5";

void Inject(INPUT input) { SendInput(1, &input, sizeof input); }

void Key(WORD vk, bool up) {
  InjectKey(vk, up);
  Sleep(20);
}

void Press(WORD vk) {
  Key(vk, false);
  Key(vk, true);
}

void Mouse(DWORD flags, int wheel = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = static_cast<DWORD>(wheel);
  Inject(input);
  Sleep(20);
}

// Moves by injected input, as a mouse does.
void MoveTo(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
  input.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Inject(input);
  Sleep(30);
}

bool IsKey(const MacroEvent& e, EventKind kind, std::initializer_list<int> keys) {
  if (e.kind != static_cast<uint16_t>(kind)) return false;
  for (int k : keys) {
    if (e.x == k && e.y == 0) return true;
  }
  return false;
}

class RecordingTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"SorvaneRecordingTest";
    RemoveTree(folder_);
    const std::wstring settings = AppDataFolder() + L"\\Quennet\\Sorvane\\conf.ini";
    SHCreateDirectoryExW(nullptr, (AppDataFolder() + L"\\Quennet\\Sorvane").c_str(), nullptr);
    WritePrivateProfileStringW(L"Option", L"RecordDirectory", folder_.c_str(), settings.c_str());
    WritePrivateProfileStringW(L"Option", L"NoProgWnd", nullptr, settings.c_str());
  }
  void TearDown() override {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    WaitForExit(sorvane_, 5000);
    EnsureEnded(sorvane_);
    const std::wstring settings = AppDataFolder() + L"\\Quennet\\Sorvane\\conf.ini";
    WritePrivateProfileStringW(L"Option", L"RecordDirectory", nullptr, settings.c_str());
  }

  void StartSorvane() {
    sorvane_ = StartProgram(L"Sorvane.exe");
    main_ = WaitForWindow(kMainClass, L"Sorvane", sorvane_.id, 20000);
    ASSERT_NE(main_, nullptr);
  }

  // Presses the start-recording hotkey and waits for the stop window; the hotkey's
  // releases come after, so they are the first events of the record. Wine now and then
  // drops an injected hotkey; a press that started nothing is tried again.
  void StartRecording() {
    HWND stop = nullptr;
    for (int attempt = 0; attempt < 3 && !stop; ++attempt) {
      ReleaseModifiers();
      Key(VK_MENU, false);
      Key(VK_F1, false);
      stop = WaitForWindow(L"SorvaneStopWindow", nullptr, sorvane_.id, 5000);
      if (!stop) {
        Key(VK_F1, true);
        Key(VK_MENU, true);
      }
    }
    if (!stop) {
      // Say what Sorvane shows instead, if anything.
      HWND box = WaitForWindow(L"#32770", L"Sorvane", sorvane_.id, 100);
      ADD_FAILURE() << "no stop window; main window visible: " << IsWindowVisible(main_) << "; message: "
                    << testing::PrintToString(box ? WindowText(GetDlgItem(box, 0xFFFF)) : L"none");
    }
    EXPECT_FALSE(IsWindowVisible(main_)) << "the main window stays visible while recording";
    Key(VK_F1, true);
    Key(VK_MENU, true);
  }

  std::wstring folder_;
  RunningProgram sorvane_;
  HWND main_ = nullptr;
};

TEST_F(RecordingTest, RecordsWhatTheUserDoesSavesItAndPlaysItBack) {
  InputProbe probe(200, 200, 500, 400);
  StartSorvane();
  StartRecording();

  MoveTo(400, 300);
  Mouse(MOUSEEVENTF_LEFTDOWN);  // a double click, which also gives the probe the keyboard
  Mouse(MOUSEEVENTF_LEFTUP);
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  MoveTo(450, 350);
  Mouse(MOUSEEVENTF_WHEEL, -120);
  Press('H');
  Press('I');
  Key(VK_MENU, false);
  Press(VK_TAB);
  Key(VK_MENU, true);
  const std::vector<ProbeEvent> live = probe.EventsWithoutMoves();
  // Stop: Shift + F2. The releases come after the hooks are gone.
  Key(VK_SHIFT, false);
  Key(VK_F2, false);

  HWND save = WaitForWindow(L"#32770", L"Save Record", sorvane_.id, 15000);
  Key(VK_F2, true);
  Key(VK_SHIFT, true);
  ASSERT_NE(save, nullptr) << "no save dialog";
  EXPECT_EQ(WindowText(GetDlgItem(save, 1004)), L"NewRecord1");
  PostMessageW(save, WM_COMMAND, IDOK, 0);
  const std::wstring saved = folder_ + L"\\NewRecord1.rec";
  for (int i = 0; i < 250 && GetFileAttributesW(saved.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(20);
  EXPECT_TRUE(IsWindowVisible(main_)) << "the main window did not come back";

  Win32FileStore files;
  std::wstring error, description;
  std::vector<MacroEvent> events;
  ASSERT_TRUE(ReadRecordFile(files, saved, error, description, events))
      << testing::PrintToString(error);

  // Every event kind in order; moves are checked where they took the pointer.
  std::vector<MacroEvent> others;
  MacroEvent lastMove{};
  for (const MacroEvent& e : events) {
    if (e.kind == static_cast<uint16_t>(EventKind::MouseMove)) {
      lastMove = e;
      continue;
    }
    if (e.kind <= static_cast<uint16_t>(EventKind::Wheel)) {
      EXPECT_EQ(e.x, lastMove.x) << "a button event away from the pointer";
      EXPECT_EQ(e.y, lastMove.y);
    }
    others.push_back(e);
  }
  const std::initializer_list<int> alt = {VK_MENU, VK_LMENU}, shift = {VK_SHIFT, VK_LSHIFT};
  ASSERT_EQ(others.size(), 17u);
  EXPECT_TRUE(IsKey(others[0], EventKind::KeyUp, {VK_F1})) << "the start hotkey's releases come first";
  EXPECT_TRUE(IsKey(others[1], EventKind::KeyUp, alt));
  others.erase(others.begin(), others.begin() + 2);
  const auto kind = [](const MacroEvent& e) { return static_cast<EventKind>(e.kind); };
  EXPECT_EQ(kind(others[0]), EventKind::LeftDown);
  EXPECT_EQ(kind(others[1]), EventKind::LeftUp);
  EXPECT_EQ(kind(others[2]), EventKind::LeftDown);
  EXPECT_EQ(kind(others[3]), EventKind::LeftUp);
  EXPECT_NEAR(others[0].x, 400, 1);
  EXPECT_NEAR(others[0].y, 300, 1);
  EXPECT_EQ(kind(others[4]), EventKind::Wheel);
  EXPECT_EQ(others[4].wheelDelta, -120);
  EXPECT_NEAR(others[4].x, 450, 1);
  EXPECT_TRUE(IsKey(others[5], EventKind::KeyDown, {'H'}));
  EXPECT_TRUE(IsKey(others[6], EventKind::KeyUp, {'H'}));
  EXPECT_TRUE(IsKey(others[7], EventKind::KeyDown, {'I'}));
  EXPECT_TRUE(IsKey(others[8], EventKind::KeyUp, {'I'}));
  EXPECT_TRUE(IsKey(others[9], EventKind::KeyDown, alt)) << "Alt+Tab is recorded like other keys";
  EXPECT_TRUE(IsKey(others[10], EventKind::KeyDown, {VK_TAB}));
  EXPECT_TRUE(IsKey(others[11], EventKind::KeyUp, {VK_TAB}));
  EXPECT_TRUE(IsKey(others[12], EventKind::KeyUp, alt));
  EXPECT_TRUE(IsKey(others[13], EventKind::KeyDown, shift)) << "the record ends with the stop hotkey's presses";
  EXPECT_TRUE(IsKey(others[14], EventKind::KeyDown, {VK_F2}));
  EXPECT_EQ(events.back().delayAfterMs, 0u);

  // The saved record, played into the probe, gives what the probe got live, from the
  // click that gave it the keyboard up to the stop hotkey.
  PostMessageW(main_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForExit(sorvane_, 5000));
  main_ = nullptr;
  probe.Clear();
  sorvane_ = StartProgram(L"Sorvane.exe", saved);
  ASSERT_TRUE(WaitForExit(sorvane_, 20000));
  const auto fromClick = [](std::vector<ProbeEvent> events) {
    const auto click = std::find_if(events.begin(), events.end(),
                                    [](const ProbeEvent& e) { return e.message == WM_LBUTTONDOWN; });
    events.erase(events.begin(), click);
    return events;
  };
  const std::vector<ProbeEvent> expected = fromClick(live);
  std::vector<ProbeEvent> played = fromClick(probe.EventsWithoutMoves());
  played.resize(std::min(played.size(), expected.size()));
  EXPECT_EQ(played, expected);
}

// Started by the Record button: a hotkey's own key releases would be captured.
TEST_F(RecordingTest, ARecordingWithoutInputEndsByItselfAfterFiveSeconds) {
  StartSorvane();
  const ULONGLONG started = GetTickCount64();
  PostMessageW(main_, WM_COMMAND, 1000, 0);
  ASSERT_NE(WaitForWindow(L"SorvaneStopWindow", nullptr, sorvane_.id, 15000), nullptr) << "no stop window";
  for (int i = 0; i < 400 && !IsWindowVisible(main_); ++i) Sleep(20);
  const ULONGLONG after = GetTickCount64() - started;
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_GE(after, 5000u);
  EXPECT_LE(after, 6500u);
  EXPECT_EQ(WaitForWindow(L"#32770", L"Save Record", sorvane_.id, 500), nullptr) << "nothing to save";
  EXPECT_FALSE(FolderExists(folder_));
}

// Resting the pointer on the stop window for three seconds sends it to the other
// bottom corner, and back.
TEST_F(RecordingTest, TheStopWindowStepsOutOfThePointersWay) {
  StartSorvane();
  PostMessageW(main_, WM_COMMAND, 1000, 0);
  HWND stop = WaitForWindow(L"SorvaneStopWindow", nullptr, sorvane_.id, 15000);
  ASSERT_NE(stop, nullptr);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  for (const bool toTheLeft : {true, false}) {
    RECT before{};
    GetWindowRect(stop, &before);
    EXPECT_EQ(before.bottom, area.bottom);
    EXPECT_EQ(before.left == 0, !toTheLeft);
    SetCursorPos((before.left + before.right) / 2, before.top + 5);  // not on the button
    RECT after = before;
    for (int i = 0; i < 300 && after.left == before.left; ++i) {
      Sleep(20);
      GetWindowRect(stop, &after);
    }
    EXPECT_EQ(after.left, toTheLeft ? 0 : area.right - (before.right - before.left));
    EXPECT_EQ(after.bottom, area.bottom);
  }
  PostMessageW(stop, WM_COMMAND, 1002, 0);
  HWND save = WaitForWindow(L"#32770", L"Save Record", sorvane_.id, 15000);
  ASSERT_NE(save, nullptr);
  PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace
