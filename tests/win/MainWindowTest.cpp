// The recorder's main window used as a user would: the record library, the repeat
// settings it keeps, and the Edit and Delete commands.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "../../recorder/engine/RecordFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "Harness.h"

namespace {

constexpr wchar_t kMainClass[] = L"Sorvane_IDK290SE5";
constexpr int kRecordList = 1020;

// A list view cell of another process, read through memory of that process.
std::wstring CellText(HWND list, DWORD processId, int item, int column) {
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return L"(no access)";
  constexpr size_t kChars = 512;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.cchTextMax = kChars;
  cell.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof(LVITEMW));
  WriteProcessMemory(process, remote, &cell, sizeof cell, nullptr);
  SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(remote));
  wchar_t text[kChars] = L"";
  ReadProcessMemory(process, cell.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"SorvaneLibraryTest";
    RemoveTree(folder_);
    SHCreateDirectoryExW(nullptr, folder_.c_str(), nullptr);
    settings_ = AppDataFolder() + L"\\Quennet\\Sorvane\\conf.ini";
    SHCreateDirectoryExW(nullptr, (AppDataFolder() + L"\\Quennet\\Sorvane").c_str(), nullptr);
    WritePrivateProfileStringW(L"OptEx", nullptr, nullptr, settings_.c_str());
    WritePrivateProfileStringW(L"Option", L"RecordDirectory", folder_.c_str(), settings_.c_str());
  }
  void TearDown() override {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    WaitForExit(sorvane_, 5000);
    EnsureEnded(sorvane_);
    WritePrivateProfileStringW(L"Option", L"RecordDirectory", nullptr, settings_.c_str());
    WritePrivateProfileStringW(L"OptEx", nullptr, nullptr, settings_.c_str());
  }

  std::wstring WriteRecord(const std::wstring& name) {
    const std::wstring path = folder_ + L"\\" + name;
    Win32FileStore files;
    std::wstring error;
    const std::vector<MacroEvent> events = {{static_cast<uint16_t>(EventKind::KeyDown), VK_F24, 0, 0, 0}};
    EXPECT_TRUE(WriteRecordFile(files, path, L"kept", events, error));
    return path;
  }

  void Start() {
    sorvane_ = StartProgram(L"Sorvane.exe");
    main_ = WaitForWindow(kMainClass, L"Sorvane", sorvane_.id, 20000);
    ASSERT_NE(main_, nullptr);
    list_ = GetDlgItem(main_, kRecordList);
  }

  int Count() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
  int Selected() const { return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED)); }
  std::wstring Cell(int item, int column) const { return CellText(list_, sorvane_.id, item, column); }

  std::wstring Option(const wchar_t* key) const {
    wchar_t value[260] = L"";
    GetPrivateProfileStringW(L"OptEx", key, L"(none)", value, 260, settings_.c_str());
    return value;
  }

  // A message box of Sorvane: its text, after which the given button is pressed.
  std::wstring Answer(int button) {
    HWND box = WaitForWindow(L"#32770", L"Sorvane", sorvane_.id, 15000);
    if (!box) return L"(no message box)";
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, button, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(20);
    return text;
  }

  std::wstring folder_, settings_;
  RunningProgram sorvane_;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(MainWindowTest, ListsOnlyTheRecordFilesOfTheRecordFolder) {
  WriteRecord(L"a.rec");
  WriteRecord(L"my.test.rec");
  WriteFileBytes(folder_ + L"\\b.txt", "not a record");
  CreateDirectoryW((folder_ + L"\\c.rec").c_str(), nullptr);
  Start();
  ASSERT_EQ(Count(), 2);
  std::vector<std::wstring> names = {Cell(0, 0), Cell(1, 0)};
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"my.test"}));
  EXPECT_EQ(Cell(0, 1), folder_ + L"\\" + Cell(0, 0) + L".rec");
  EXPECT_EQ(Selected(), 0) << "the first record is selected";
}

TEST_F(MainWindowTest, ShowsTheSavedRepeatSettings) {
  const std::wstring b = WriteRecord(L"b.rec");
  WriteRecord(L"a.rec");
  for (const auto& [key, value] : {std::pair{L"RepeatType", L"Time"}, {L"RepeatTime", L"90"}, {L"RepeatTimeType", L"1"}}) {
    WritePrivateProfileStringW(L"OptEx", key, value, settings_.c_str());
  }
  std::wstring upper = b;
  CharUpperW(upper.data());
  WritePrivateProfileStringW(L"OptEx", L"Record", upper.c_str(), settings_.c_str());
  Start();
  EXPECT_EQ(SendDlgItemMessageW(main_, 1008, BM_GETCHECK, 0, 0), BST_CHECKED) << "Repeat for";
  EXPECT_EQ(SendDlgItemMessageW(main_, 1005, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(WindowText(GetDlgItem(main_, 1007)), L"90");
  EXPECT_EQ(SendDlgItemMessageW(main_, 1011, CB_GETCURSEL, 0, 0), 1) << "second";
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main_, 1007)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main_, 1004)));
  ASSERT_GE(Selected(), 0);
  EXPECT_EQ(Cell(Selected(), 1), b) << "the saved record is selected again, ignoring case";
}

TEST_F(MainWindowTest, APlaybackFromTheWindowSavesTheRepeatSettings) {
  const std::wstring path = WriteRecord(L"quiet.rec");
  Start();
  SendDlgItemMessageW(main_, 1006, BM_CLICK, 0, 0);  // "Repeat N times"
  SetDlgItemTextW(main_, 1004, L"2");
  SendDlgItemMessageW(main_, 1019, TBM_SETPOS, TRUE, 7);
  PostMessageW(main_, WM_COMMAND, 1002, 0);
  for (int i = 0; i < 250 && Option(L"Record") == L"(none)"; ++i) Sleep(20);
  EXPECT_EQ(Option(L"Record"), path);
  EXPECT_EQ(Option(L"RepeatType"), L"Times");
  EXPECT_EQ(Option(L"RepeatTimes"), L"2");
  EXPECT_EQ(Option(L"Speed"), L"7");
  EXPECT_EQ(Option(L"Delay"), L"0");
  // The window comes back once the two passes are over.
  for (int i = 0; i < 250 && !IsWindowVisible(main_); ++i) Sleep(20);
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(MainWindowTest, DeleteAsksAndRemovesTheFile) {
  const std::wstring path = WriteRecord(L"gone.rec");
  Start();
  ASSERT_EQ(Count(), 1);
  PostMessageW(main_, WM_COMMAND, 32780, 0);
  EXPECT_EQ(Answer(IDNO), L"Do you really want to delete the file: '" + path + L"'?");
  EXPECT_EQ(Count(), 1);
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "No keeps the file";

  PostMessageW(main_, WM_COMMAND, 32780, 0);
  Answer(IDYES);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);

  PostMessageW(main_, WM_COMMAND, 32780, 0);
  EXPECT_EQ(Answer(IDOK), L"There is no Record, please click 'Record' to create a Record first.");
}

TEST_F(MainWindowTest, EditRecordRenamesTheFileAndKeepsItsEvents) {
  const std::wstring old = WriteRecord(L"old name.rec");
  Start();
  PostMessageW(main_, WM_COMMAND, 32779, 0);
  HWND save = WaitForWindow(L"#32770", L"Save Record", sorvane_.id, 15000);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(save, 1004)), L"old name");
  EXPECT_EQ(WindowText(GetDlgItem(save, 1021)), L"kept");
  SetDlgItemTextW(save, 1004, L"new name");
  PostMessageW(save, WM_COMMAND, IDOK, 0);
  const std::wstring renamed = folder_ + L"\\new name.rec";
  for (int i = 0; i < 250 && GetFileAttributesW(old.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(20);
  EXPECT_EQ(GetFileAttributesW(old.c_str()), INVALID_FILE_ATTRIBUTES) << "the old file stays";
  Win32FileStore files;
  std::wstring error, description;
  std::vector<MacroEvent> events;
  ASSERT_TRUE(ReadRecordFile(files, renamed, error, description, events));
  EXPECT_EQ(description, L"kept");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].x, VK_F24);
  EXPECT_EQ(Cell(0, 0), L"new name");
  EXPECT_EQ(Cell(0, 1), renamed);
}

TEST_F(MainWindowTest, OpenSelectsAListedFileInsteadOfAddingItAgain) {
  WriteRecord(L"a.rec");
  const std::wstring b = WriteRecord(L"b.rec");
  Start();
  ASSERT_EQ(Count(), 2);
  PostMessageW(main_, WM_COMMAND, 57601, 0);
  HWND open = WaitForWindow(L"#32770", L"Open File", sorvane_.id, 10000);
  ASSERT_NE(open, nullptr) << "no Open File dialog";
  std::wstring upper = b;
  CharUpperW(upper.data());
  // The file name field: a combo box in the explorer-style dialog, an edit in the old one.
  SetDlgItemTextW(open, GetDlgItem(open, 1148) ? 1148 : 1152, upper.c_str());
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 250 && IsWindow(open); ++i) Sleep(20);
  EXPECT_EQ(Count(), 2) << "comparing ignores case";
  ASSERT_GE(Selected(), 0);
  EXPECT_EQ(Cell(Selected(), 1), b);
}

TEST_F(MainWindowTest, ToolsStartTheSiblingPrograms) {
  Start();
  PostMessageW(main_, WM_COMMAND, 32781, 0);  // Tools, Tindral
  HWND tindral = WaitForWindow(L"Quennet_Tindral_KIOP39D", L"Tindral", 0, 20000);
  ASSERT_NE(tindral, nullptr) << "Tindral did not start";
  PostMessageW(tindral, WM_CLOSE, 0, 0);
  for (int i = 0; i < 250 && IsWindow(tindral); ++i) Sleep(20);
  EXPECT_FALSE(IsWindow(tindral));
}

// A click on the upper or lower half of a spin button.
void ClickSpin(HWND spin, bool up) {
  RECT client{};
  GetClientRect(spin, &client);
  const LPARAM at = MAKELPARAM(client.right / 2, up ? 2 : client.bottom - 3);
  SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(spin, WM_LBUTTONUP, 0, at);
}

TEST_F(MainWindowTest, TheNumberFieldsStepWithinTheirRange) {
  Start();
  SendDlgItemMessageW(main_, 1006, BM_CLICK, 0, 0);  // "Repeat N times" enables its field
  EXPECT_EQ(WindowText(GetDlgItem(main_, 1004)), L"1") << "the count when none was saved";
  SetDlgItemTextW(main_, 1004, L"10");
  ClickSpin(GetDlgItem(main_, 1009), true);
  EXPECT_EQ(WindowText(GetDlgItem(main_, 1004)), L"11");
  SetDlgItemTextW(main_, 1004, L"1");
  ClickSpin(GetDlgItem(main_, 1009), false);
  EXPECT_EQ(WindowText(GetDlgItem(main_, 1004)), L"1") << "1 is the smallest count";
}

TEST_F(MainWindowTest, AfterAnUnstoppedPlaybackTheShutdownCountdownComesAndCancelBringsTheWindowBack) {
  WriteRecord(L"short.rec");
  WritePrivateProfileStringW(L"OptEx", L"Shutdown", L"1", settings_.c_str());
  Start();
  EXPECT_EQ(SendDlgItemMessageW(main_, 1035, BM_GETCHECK, 0, 0), BST_CHECKED);
  PostMessageW(main_, WM_COMMAND, 1002, 0);
  HWND countdown = WaitForWindow(L"#32770", L"Shutdown Computer", sorvane_.id, 10000);
  ASSERT_NE(countdown, nullptr) << "no countdown";
  EXPECT_FALSE(IsWindowVisible(main_)) << "the window stays hidden during the countdown";
  PostMessageW(countdown, WM_COMMAND, IDCANCEL, 0);
  for (int i = 0; i < 250 && !IsWindowVisible(main_); ++i) Sleep(20);
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(MainWindowTest, OptionsWithAnEmptyFolderStayOpenAndANewHotkeyStartsRecording) {
  Start();
  PostMessageW(main_, WM_COMMAND, 32782, 0);
  HWND options = WaitForWindow(L"#32770", L"Options", sorvane_.id, 15000);
  ASSERT_NE(options, nullptr);
  SetDlgItemTextW(options, 1023, L"");
  PostMessageW(options, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(Answer(IDOK), L"Please select a directory!");
  EXPECT_TRUE(IsWindow(options)) << "the dialog stays";

  // Start recording with Ctrl + Shift + F5 from now on.
  SetDlgItemTextW(options, 1023, folder_.c_str());
  SendDlgItemMessageW(options, 1026, HKM_SETHOTKEY, MAKEWORD(VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
  PostMessageW(options, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 250 && IsWindow(options); ++i) Sleep(20);
  // The key names come from the keyboard layout ("Ctrl" on Windows, "Control" on Wine).
  const std::wstring caption = WindowText(GetDlgItem(main_, 1000));
  EXPECT_EQ(caption.find(L"Record (C"), 0u) << testing::PrintToString(caption);
  EXPECT_NE(caption.find(L" + Shift + F5)"), std::wstring::npos) << testing::PrintToString(caption);
  HWND stop = nullptr;
  for (int attempt = 0; attempt < 3 && !stop; ++attempt) {  // Wine now and then drops an injected hotkey
    ReleaseModifiers();
    InjectKey(VK_CONTROL, false);
    InjectKey(VK_SHIFT, false);
    InjectKey(VK_F5, false);
    stop = WaitForWindow(L"SorvaneStopWindow", nullptr, sorvane_.id, 5000);
    InjectKey(VK_F5, true);
    InjectKey(VK_SHIFT, true);
    InjectKey(VK_CONTROL, true);
  }
  ASSERT_NE(stop, nullptr) << "the new hotkey did not start a recording";
  PostMessageW(stop, WM_COMMAND, 1002, 0);
  HWND save = WaitForWindow(L"#32770", L"Save Record", sorvane_.id, 15000);
  ASSERT_NE(save, nullptr);
  PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
  WritePrivateProfileStringW(L"Option", L"HK_StartRecord", nullptr, settings_.c_str());
}

}  // namespace
