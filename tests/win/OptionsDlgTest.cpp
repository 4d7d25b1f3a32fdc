// The options dialog runs in a thread of its own on a conf.ini of the test's; the
// test's thread drives it by messages as a user would and reads what it stored.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../../recorder/OptionsDlg.h"
#include "../../recorder/engine/Hotkey.h"
#include "../../recorder/resource.h"
#include "../../shared/frame/AppStartup.h"
#include "../../shared/frame/AppValues.h"
#include "../../shared/win/MessageBox.h"
#include "DialogThread.h"
#include "Harness.h"

namespace {

const std::wstring kFolder = L"C:\\Records";
const wchar_t* const kMissing = L"(missing)";

// A control and the key of "Option" it shows.
struct KeyedControl {
  int control;
  const wchar_t* key;
};

const KeyedControl kHotkeyRows[] = {
    {IDC_HK_START_RECORD, L"HK_StartRecord"}, {IDC_HK_STOP_RECORD, L"HK_StopRecord"},
    {IDC_HK_START_REPEAT, L"HK_StartRepeat"}, {IDC_HK_STOP_REPEAT, L"HK_StopRepeat"},
    {IDC_HK_PAUSE_REPEAT, L"HK_PauseRepeat"},
};

const KeyedControl kSwitchRows[] = {
    {IDC_MOVE_NO_STOP, L"MoveNoStop"},
    {IDC_NO_PROGRESS_WINDOW, L"NoProgWnd"},
    {IDC_COMPATIBLE_MODE, L"CompatibleMode"},
};

std::string Describe(const wchar_t* key, const wchar_t* stored) {
  return testing::PrintToString(std::wstring(key)) + " stored as " +
         testing::PrintToString(std::wstring(stored ? stored : kMissing));
}

class OptionsDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageCaption(L"Sorvane");
    InitCommonControlClasses();
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"options_tests-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(RemoveTree(folder_));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    g_app.settingsFile = folder_ + L"\\conf.ini";
  }

  void TearDown() override {
    dialog_.Close();
    RemoveTree(folder_);
  }

  // A fresh conf.ini, as the recorder prepares it, holding these values of "Option";
  // a null text leaves its key out.
  void Store(const std::vector<std::pair<const wchar_t*, const wchar_t*>>& values) const {
    DeleteFileW(g_app.settingsFile.c_str());
    PrepareSettingsFile(g_app.settingsFile);
    for (const auto& [key, text] : values) {
      if (text) WritePrivateProfileStringW(L"Option", key, text, g_app.settingsFile.c_str());
    }
  }

  std::wstring Stored(const wchar_t* key) const {
    return ReadProfileText(g_app.settingsFile, L"Option", key, kMissing);
  }

  void Open() { ASSERT_TRUE(dialog_.Open(L"Options", kFolder)) << "no dialog"; }

  void Cancel() {
    Click(dialog_.Window(), IDCANCEL);
    ASSERT_TRUE(dialog_.Closed());
    EXPECT_EQ(dialog_.Result(), IDCANCEL);
  }

  HotkeyPair Shown(int control) const {
    const WORD value = LOWORD(SendMessageW(dialog_.Item(control), HKM_GETHOTKEY, 0, 0));
    return {LOBYTE(value), HIBYTE(value)};
  }
  void Enter(int control, HotkeyPair pair) const {
    SendMessageW(dialog_.Item(control), HKM_SETHOTKEY, MAKEWORD(pair.virtualKey, pair.flags), 0);
  }

  bool Checked(int control) const { return SendMessageW(dialog_.Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Check(int control, bool checked) const {
    SendMessageW(dialog_.Item(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  std::wstring Folder() const { return WindowText(dialog_.Item(IDC_RECORD_FOLDER)); }
  void TypeFolder(const std::wstring& text) const {
    SendMessageW(dialog_.Item(IDC_RECORD_FOLDER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  std::wstring folder_;
  DialogThread<COptionsDlg> dialog_;
};

TEST_F(OptionsDlgTest, OpensWithTheFolderAndTheStoredHotkeysOrTheirDefaults) {
  const struct {
    const wchar_t* stored;  // null: no key
    HotkeyPair shown;
  } cases[][5] = {
      {{nullptr, {0x70, 4}}, {nullptr, {0x71, 1}}, {nullptr, {0x72, 4}}, {nullptr, {0x71, 4}}, {nullptr, {0x50, 2}}},
      {{L"74,3", {0x74, 3}}, {L"2E,A", {0x2E, 0xA}}, {L"junk", {0x72, 4}}, {L"", {0x71, 4}}, {L"41,6", {0x41, 6}}},
  };
  for (const auto& situation : cases) {
    std::vector<std::pair<const wchar_t*, const wchar_t*>> values;
    for (size_t i = 0; i < std::size(kHotkeyRows); ++i) values.emplace_back(kHotkeyRows[i].key, situation[i].stored);
    ASSERT_NO_FATAL_FAILURE(Store(values));
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(Folder(), kFolder);
    for (size_t i = 0; i < std::size(kHotkeyRows); ++i) {
      SCOPED_TRACE(Describe(kHotkeyRows[i].key, situation[i].stored));
      EXPECT_EQ(Shown(kHotkeyRows[i].control), situation[i].shown);
    }
    ASSERT_NO_FATAL_FAILURE(Cancel());
  }
}

TEST_F(OptionsDlgTest, OpensWithTheSwitchesByTheirStoredTexts) {
  const struct {
    const wchar_t* stored[3];  // MoveNoStop, NoProgWnd, CompatibleMode; null: no key
    bool checked[3];
  } cases[] = {
      {{nullptr, nullptr, nullptr}, {false, false, true}},
      {{L"1", L"1", L"0"}, {true, true, false}},
      {{L"0", L"0", L"1"}, {false, false, true}},
      {{L"yes", L"yes", L"yes"}, {false, false, true}},
      {{L"", L"", L""}, {false, false, true}},
  };
  for (const auto& c : cases) {
    std::vector<std::pair<const wchar_t*, const wchar_t*>> values;
    for (size_t i = 0; i < std::size(kSwitchRows); ++i) values.emplace_back(kSwitchRows[i].key, c.stored[i]);
    ASSERT_NO_FATAL_FAILURE(Store(values));
    ASSERT_NO_FATAL_FAILURE(Open());
    for (size_t i = 0; i < std::size(kSwitchRows); ++i) {
      SCOPED_TRACE(Describe(kSwitchRows[i].key, c.stored[i]));
      EXPECT_EQ(Checked(kSwitchRows[i].control), c.checked[i]);
    }
    ASSERT_NO_FATAL_FAILURE(Cancel());
  }
}

TEST_F(OptionsDlgTest, OkStoresTheHotkeysWithFallbacksForClearedOnesAndTheSwitches) {
  const struct {
    const char* name;
    HotkeyPair entered[5];
    const wchar_t* storedHotkeys[5];
    bool checked[3];
    const wchar_t* storedSwitches[3];
  } cases[] = {
      {"all hotkeys cleared",
       {{}, {}, {}, {}, {}},
       {L"70,4", L"71,1", L"72,4", L"71,4", L"50,4"},
       {true, false, false},
       {L"1", L"0", L"0"}},
      {"hotkeys entered",
       {{0x74, 3}, {0x2E, 0xA}, {0x41, 7}, {0x7B, 1}, {0x51, 2}},
       {L"74,3", L"2E,A", L"41,7", L"7B,1", L"51,2"},
       {false, true, true},
       {L"0", L"1", L"1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(Store({}));
    ASSERT_NO_FATAL_FAILURE(Open());
    for (size_t i = 0; i < std::size(kHotkeyRows); ++i) Enter(kHotkeyRows[i].control, c.entered[i]);
    for (size_t i = 0; i < std::size(kSwitchRows); ++i) Check(kSwitchRows[i].control, c.checked[i]);
    TypeFolder(L"D:\\My Records");
    Click(dialog_.Window(), IDOK);
    ASSERT_TRUE(dialog_.Closed()) << "the dialog stayed";
    EXPECT_EQ(dialog_.Result(), IDOK);
    EXPECT_EQ(dialog_.Dialog().recordFolder, L"D:\\My Records");
    for (size_t i = 0; i < std::size(kHotkeyRows); ++i) {
      EXPECT_EQ(Stored(kHotkeyRows[i].key), c.storedHotkeys[i]) << Describe(kHotkeyRows[i].key, nullptr);
    }
    for (size_t i = 0; i < std::size(kSwitchRows); ++i) {
      EXPECT_EQ(Stored(kSwitchRows[i].key), c.storedSwitches[i]) << Describe(kSwitchRows[i].key, nullptr);
    }
  }
}

TEST_F(OptionsDlgTest, AnEmptyFolderIsRefusedAfterTheHotkeysAreStored) {
  ASSERT_NO_FATAL_FAILURE(Store({}));
  ASSERT_NO_FATAL_FAILURE(Open());
  Enter(IDC_HK_START_RECORD, {0x74, 3});
  Enter(IDC_HK_PAUSE_REPEAT, {});
  Check(IDC_MOVE_NO_STOP, true);
  TypeFolder(L"");

  Click(dialog_.Window(), IDOK);
  const HWND box = dialog_.WaitForPopup();
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_EQ(WindowText(box), L"Sorvane");
  EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), L"Please select a directory!");
  ASSERT_TRUE(dialog_.Answer(box, IDOK)) << "the message stayed";
  ASSERT_TRUE(IsWindow(dialog_.Window())) << "the dialog closed";
  EXPECT_EQ(Stored(L"HK_StartRecord"), L"74,3");
  EXPECT_EQ(Stored(L"HK_PauseRepeat"), L"50,4");
  EXPECT_EQ(Stored(L"MoveNoStop"), kMissing);

  ASSERT_NO_FATAL_FAILURE(Cancel());
  EXPECT_EQ(dialog_.Dialog().recordFolder, kFolder);
  EXPECT_EQ(Stored(L"HK_StartRecord"), L"74,3");
  EXPECT_EQ(Stored(L"MoveNoStop"), kMissing);
}

TEST_F(OptionsDlgTest, CancelStoresNothing) {
  ASSERT_NO_FATAL_FAILURE(Store({{L"HK_StartRecord", L"74,3"}, {L"MoveNoStop", L"1"}}));
  const std::string before = ReadFileBytes(g_app.settingsFile);
  ASSERT_NO_FATAL_FAILURE(Open());
  for (const KeyedControl& row : kHotkeyRows) Enter(row.control, {});
  for (const KeyedControl& row : kSwitchRows) Check(row.control, !Checked(row.control));
  TypeFolder(L"D:\\Elsewhere");
  ASSERT_NO_FATAL_FAILURE(Cancel());
  EXPECT_EQ(dialog_.Dialog().recordFolder, kFolder);
  EXPECT_EQ(ReadFileBytes(g_app.settingsFile), before);
}

// Picking a folder in Wine's picker cannot be driven reliably by messages: its tree
// fills in the background. Cancelling can.
TEST_F(OptionsDlgTest, BrowseOpensThePickerAndCancellingKeepsTheFolder) {
  ASSERT_NO_FATAL_FAILURE(Store({}));
  ASSERT_NO_FATAL_FAILURE(Open());
  Click(dialog_.Window(), IDC_BROWSE);
  const HWND picker = dialog_.WaitForPopup();
  ASSERT_NE(picker, nullptr) << "no picker";
  bool titled = false;
  EnumChildWindows(
      picker,
      [](HWND child, LPARAM found) -> BOOL {
        if (WindowText(child) == L"Select folder") *reinterpret_cast<bool*>(found) = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&titled));
  EXPECT_TRUE(titled) << "the picker does not say \"Select folder\"";
  ASSERT_TRUE(dialog_.Answer(picker, IDCANCEL)) << "the picker stayed";
  EXPECT_EQ(Folder(), kFolder);
  ASSERT_NO_FATAL_FAILURE(Cancel());
}

}  // namespace
