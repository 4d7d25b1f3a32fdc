// The save record dialog runs in a thread of its own; the test's thread drives it as a
// user would: it types into the fields, clicks the buttons and answers the messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../recorder/SaveRecDlg.h"
#include "../../recorder/engine/SaveRecordDecision.h"
#include "../../recorder/resource.h"
#include "../../shared/win/MessageBox.h"
#include "DialogThread.h"
#include "Harness.h"

namespace {

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
    dialog_.Close();
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
    CSaveRecDlg& dialog = dialog_.Make(folder_);
    dialog.name = name;
    dialog.description = kDescription;
    dialog.oldPath = oldPath;
    dialog.editMode = !oldPath.empty();
    ASSERT_TRUE(dialog_.Run(L"Save Record")) << "no dialog";
  }

  // Opens the dialog on the name "Daily" in a folder with those records, types the name
  // and a new description, and presses OK.
  void TypeAndPressOk(const Situation& situation) {
    ASSERT_NO_FATAL_FAILURE(MakeFolder(situation.records));
    ASSERT_NO_FATAL_FAILURE(Open(L"Daily", situation.edited ? Path(situation.edited) : L""));
    Type(IDC_RECORD_NAME, situation.typed);
    Type(IDC_RECORD_DESCRIPTION, kTypedDescription);
    Click(Window(), IDOK);
  }

  HWND Field(int id) const { return dialog_.Item(id); }
  std::wstring FieldText(int id) const { return WindowText(Field(id)); }
  void Type(int id, const std::wstring& text) const {
    SendMessageW(Field(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(Window(), nullptr), &info);
    return info.hwndFocus;
  }

  HWND WaitForMessage() const { return WaitForWindow(L"#32770", L"Sorvane", GetCurrentProcessId(), kDialogTimeoutMs); }

  // Clicks a button of the message box, then waits until the dialog has dealt with it.
  void Answer(HWND box, int button) const { ASSERT_TRUE(dialog_.Answer(box, button)) << "the message stayed"; }

  HWND Window() const { return dialog_.Window(); }
  bool Closed() { return dialog_.Closed(); }
  INT_PTR Result() const { return dialog_.Result(); }
  CSaveRecDlg& Dialog() { return dialog_.Dialog(); }

  std::wstring folder_;
  DialogThread<CSaveRecDlg> dialog_;
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
    Click(Window(), IDCANCEL);
    ASSERT_TRUE(Closed());
  }
}

TEST_F(SaveRecDlgTest, EnterInTheDescriptionStartsANewLine) {
  ASSERT_NO_FATAL_FAILURE(MakeFolder({}));
  ASSERT_NO_FATAL_FAILURE(Open(L"Daily"));
  const HWND description = Field(IDC_RECORD_DESCRIPTION);
  Type(IDC_RECORD_DESCRIPTION, L"one");
  SendMessageW(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(description), TRUE);
  SendMessageW(description, EM_SETSEL, 3, 3);
  const LPARAM scanCode = MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC) << 16;
  PostMessageW(description, WM_KEYDOWN, VK_RETURN, scanCode | 1);
  PostMessageW(description, WM_KEYUP, VK_RETURN, scanCode | 0xC0000001);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(Window()) || FieldText(IDC_RECORD_DESCRIPTION) != L"one"; }));
  ASSERT_TRUE(IsWindow(Window())) << "Enter closed the dialog";
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
    EXPECT_EQ(Result(), IDOK);
    EXPECT_EQ(Dialog().name, c.situation.typed);
    EXPECT_EQ(Dialog().description, kTypedDescription);
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
    ASSERT_TRUE(IsWindow(Window())) << "the dialog closed";
    if (c.focusesName) {
      EXPECT_EQ(Focus(), Field(IDC_RECORD_NAME));
    }

    Click(Window(), IDCANCEL);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Result(), IDCANCEL);
    EXPECT_EQ(Dialog().name, L"Daily");
    EXPECT_EQ(Dialog().description, kDescription);
    EXPECT_EQ(Dialog().oldPath, c.situation.edited ? Path(c.situation.edited) : L"");
  }
}

TEST_F(SaveRecDlgTest, AsksBeforeANewRecordingOverwritesARecord) {
  ASSERT_NO_FATAL_FAILURE(MakeFolder({L"Daily"}));
  ASSERT_NO_FATAL_FAILURE(Open(L"Daily"));
  Type(IDC_RECORD_DESCRIPTION, kTypedDescription);
  const std::wstring question = L"Record file '" + Path(L"Daily") + L"' already exists, do you want to overwrite it?";

  Click(Window(), IDOK);
  HWND box = WaitForMessage();
  ASSERT_NE(box, nullptr) << "no question";
  EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), question);
  ASSERT_NO_FATAL_FAILURE(Answer(box, IDNO));
  ASSERT_TRUE(IsWindow(Window())) << "No closed the dialog";
  EXPECT_EQ(Focus(), Field(IDC_RECORD_NAME));

  Click(Window(), IDOK);
  box = WaitForMessage();
  ASSERT_NE(box, nullptr) << "no question the second time";
  ASSERT_NO_FATAL_FAILURE(Answer(box, IDYES));
  ASSERT_TRUE(Closed()) << "Yes left the dialog open";
  EXPECT_EQ(Result(), IDOK);
  EXPECT_EQ(Dialog().name, L"Daily");
  EXPECT_EQ(Dialog().description, kTypedDescription);
}

}  // namespace
