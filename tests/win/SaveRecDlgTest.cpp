// The save record dialog runs in a thread of its own; the test's thread drives it as a
// user would: it types into the fields, clicks the buttons and answers the messages.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "../../recorder/SaveRecDlg.h"
#include "../../recorder/engine/SaveRecordDecision.h"
#include "../../recorder/resource.h"
#include "../../shared/win/MessageBox.h"
#include "DialogThread.h"
#include "Harness.h"

namespace {

constexpr DWORD kTimeoutMs = kDialogTimeoutMs;
const std::wstring kDescription = L"Opens the mail\r\nand files the invoices";
const std::wstring kTypedDescription = L"First line\r\nSecond line\r\n";

std::wstring RenameRefusal(const std::wstring& name) {
  return L"Can not rename the record to '" + name +
         L"': A record with the name you specified already exist.\nPlease specify a different name.";
}


struct Situation {
  std::vector<std::wstring> records;  // in the record folder
  const wchar_t* edited;              // the edited record; null: a new recording
  std::wstring typed;                 // the name typed before OK
};

class SaveRecDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageCaption(L"Sorvane");
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"save_rec_tests-" + std::to_wstring(GetCurrentProcessId());
  }

  void TearDown() override {
    CloseEverything();
    RemoveTree(folder_);
  }

  // A fresh record folder holding these records.
  void MakeFolder(const std::vector<std::wstring>& records) const {
    ASSERT_TRUE(RemoveTree(folder_));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    for (const std::wstring& record : records) WriteFileBytes(Path(record), "record");
  }

  std::wstring Path(const std::wstring& name) const { return RecordPath(folder_, name); }

  // Opens the dialog as the recorder does, for a new recording when oldPath is empty.
  void Open(const std::wstring& name, const std::wstring& oldPath = L"") {
    dialog_.emplace(folder_);
    dialog_->name = name;
    dialog_->description = kDescription;
    dialog_->oldPath = oldPath;
    dialog_->editMode = !oldPath.empty();
    worker_ = std::thread([this] { result_ = dialog_->DoModal(nullptr); });
    window_ = WaitForWindow(L"#32770", L"Save Record", GetCurrentProcessId(), kTimeoutMs);
    ASSERT_NE(window_, nullptr) << "no dialog";
  }

  // Opens the dialog on the name "Daily" in a folder with those records, types the name
  // and a new description, and presses OK.
  void TypeAndPressOk(const Situation& situation) {
    ASSERT_NO_FATAL_FAILURE(MakeFolder(situation.records));
    ASSERT_NO_FATAL_FAILURE(Open(L"Daily", situation.edited ? Path(situation.edited) : L""));
    Type(IDC_RECORD_NAME, situation.typed);
    Type(IDC_RECORD_DESCRIPTION, kTypedDescription);
    Click(window_, IDOK);
  }

  HWND Field(int id) const { return GetDlgItem(window_, id); }
  std::wstring FieldText(int id) const { return WindowText(Field(id)); }
  void Type(int id, const std::wstring& text) const {
    SendMessageW(Field(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }

  HWND WaitForMessage() const { return WaitForWindow(L"#32770", L"Sorvane", GetCurrentProcessId(), kTimeoutMs); }

  // Clicks a button of the message box, then waits until the dialog has dealt with it.
  void Answer(HWND box, int button) const {
    Click(box, button);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the message stayed";
    // Comes back once the dialog's thread is in its message loop again, or closed.
    SendMessageW(window_, WM_NULL, 0, 0);
  }

  bool Closed() {
    if (!WaitUntil([&] { return !IsWindow(window_); })) return false;
    worker_.join();
    return true;
  }

  // Leaves no thread, dialog or message behind a failed test.
  void CloseEverything() {
    if (!worker_.joinable()) return;
    while (IsWindow(window_)) {
      if (HWND box = WaitForWindow(L"#32770", L"Sorvane", GetCurrentProcessId(), 0)) {
        PostMessageW(box, WM_COMMAND, GetDlgItem(box, IDNO) ? IDNO : IDOK, 0);
      }
      PostMessageW(window_, WM_COMMAND, IDCANCEL, 0);
      Sleep(100);
    }
    worker_.join();
  }

  std::wstring folder_;
  std::optional<CSaveRecDlg> dialog_;
  std::thread worker_;
  INT_PTR result_ = 0;
  HWND window_ = nullptr;
};

TEST_F(SaveRecDlgTest, OpensWithTheFieldsFilledAndTheFocusWhereTypingStarts) {
  ASSERT_NO_FATAL_FAILURE(MakeFolder({L"Daily"}));
  for (const bool editing : {false, true}) {
    SCOPED_TRACE(editing ? "edit mode" : "new recording");
    ASSERT_NO_FATAL_FAILURE(Open(L"Daily", editing ? Path(L"Daily") : L""));
    EXPECT_EQ(FieldText(IDC_RECORD_NAME), L"Daily");
    EXPECT_EQ(FieldText(IDC_RECORD_DESCRIPTION), kDescription);
    if (editing) {
      EXPECT_EQ(Focus(), Field(IDC_RECORD_DESCRIPTION));
      DWORD start = 1, end = 0;
      SendMessageW(Field(IDC_RECORD_DESCRIPTION), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, 0u);
      EXPECT_EQ(end, kDescription.size()) << "not all of the description is selected";
    } else {
      EXPECT_EQ(Focus(), Field(IDC_RECORD_NAME));
    }
    Click(window_, IDCANCEL);
    ASSERT_TRUE(Closed());
  }
}

TEST_F(SaveRecDlgTest, EnterInTheDescriptionStartsANewLine) {
  ASSERT_NO_FATAL_FAILURE(MakeFolder({}));
  ASSERT_NO_FATAL_FAILURE(Open(L"Daily"));
  const HWND description = Field(IDC_RECORD_DESCRIPTION);
  Type(IDC_RECORD_DESCRIPTION, L"one");
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(description), TRUE);
  SendMessageW(description, EM_SETSEL, 3, 3);
  const LPARAM scanCode = MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC) << 16;
  PostMessageW(description, WM_KEYDOWN, VK_RETURN, scanCode | 1);
  PostMessageW(description, WM_KEYUP, VK_RETURN, scanCode | 0xC0000001);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window_) || FieldText(IDC_RECORD_DESCRIPTION) != L"one"; }));
  ASSERT_TRUE(IsWindow(window_)) << "Enter closed the dialog";
  EXPECT_EQ(FieldText(IDC_RECORD_DESCRIPTION), L"one\r\n");
}

TEST_F(SaveRecDlgTest, OkTakesAFreeNameOrTheEditedRecordsOwn) {
  const struct {
    const char* name;
    Situation situation;
  } cases[] = {
      {"new recording, free name", {{L"Daily"}, nullptr, L"Weekly"}},
      {"editing, name kept", {{L"Daily"}, L"Daily", L"Daily"}},
      {"editing, free name", {{L"Daily"}, L"Daily", L"Weekly"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(TypeAndPressOk(c.situation));
    ASSERT_TRUE(Closed()) << "the dialog stayed";
    EXPECT_EQ(result_, IDOK);
    EXPECT_EQ(dialog_->name, c.situation.typed);
    EXPECT_EQ(dialog_->description, kTypedDescription);
  }
}

TEST_F(SaveRecDlgTest, RefusesWithAMessageAndCancelKeepsTheValues) {
  const struct {
    const char* name;
    Situation situation;
    std::wstring message;
    bool focusesName;
  } cases[] = {
      {"new recording, no name", {{}, nullptr, L""}, L"Please input a Record Name.", false},
      {"editing, no name", {{L"Daily"}, L"Daily", L""}, L"Please input a Record Name.", false},
      {"editing, another record's name", {{L"Daily", L"Weekly"}, L"Daily", L"Weekly"}, RenameRefusal(L"Weekly"), true},
      // Windows finds Daily.rec under daily.rec too, but the paths differ in letter case.
      {"editing, the name in other letter case", {{L"Daily"}, L"daily", L"Daily"}, RenameRefusal(L"Daily"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(TypeAndPressOk(c.situation));
    const HWND box = WaitForMessage();
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), c.message);
    ASSERT_NO_FATAL_FAILURE(Answer(box, IDOK));
    ASSERT_TRUE(IsWindow(window_)) << "the dialog closed";
    if (c.focusesName) {
      EXPECT_EQ(Focus(), Field(IDC_RECORD_NAME));
    }

    Click(window_, IDCANCEL);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(result_, IDCANCEL);
    EXPECT_EQ(dialog_->name, L"Daily");
    EXPECT_EQ(dialog_->description, kDescription);
    EXPECT_EQ(dialog_->oldPath, c.situation.edited ? Path(c.situation.edited) : L"");
  }
}

TEST_F(SaveRecDlgTest, AsksBeforeANewRecordingOverwritesARecord) {
  ASSERT_NO_FATAL_FAILURE(MakeFolder({L"Daily"}));
  ASSERT_NO_FATAL_FAILURE(Open(L"Daily"));
  Type(IDC_RECORD_DESCRIPTION, kTypedDescription);
  const std::wstring question = L"Record file '" + Path(L"Daily") + L"' already exists, do you want to overwrite it?";

  Click(window_, IDOK);
  HWND box = WaitForMessage();
  ASSERT_NE(box, nullptr) << "no question";
  EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), question);
  ASSERT_NO_FATAL_FAILURE(Answer(box, IDNO));
  ASSERT_TRUE(IsWindow(window_)) << "No closed the dialog";
  EXPECT_EQ(Focus(), Field(IDC_RECORD_NAME));

  Click(window_, IDOK);
  box = WaitForMessage();
  ASSERT_NE(box, nullptr) << "no question the second time";
  ASSERT_NO_FATAL_FAILURE(Answer(box, IDYES));
  ASSERT_TRUE(Closed()) << "Yes left the dialog open";
  EXPECT_EQ(result_, IDOK);
  EXPECT_EQ(dialog_->name, L"Daily");
  EXPECT_EQ(dialog_->description, kTypedDescription);
}

}  // namespace
