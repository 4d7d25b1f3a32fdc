// The four programs, started for real: main window, single instance, data folder,
// settings file, About box and version resource.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "../../shared/frame/Site.h"
#include "../../shared/frame/VersionInfo.h"
#include "../../shared/res/FrameIds.h"
#include "../../shared/res/Version.h"
#include "Harness.h"

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr wchar_t kDialogClass[] = L"#32770";

struct ProgramCase {
  const wchar_t* name;
  const wchar_t* mainClass;     // the private class of the main dialog
  const wchar_t* dataFolder;    // below the application-data folder
  const wchar_t* settingsFile;  // in the data folder
  UINT exitCommand;             // menu command that ends the program
  UINT aboutCommand;            // Help, About
  enum { Restores, ActivatesOnly, OpensHidden } secondStart;
};

const ProgramCase kPrograms[] = {
    {L"Sorvane", L"Sorvane_IDK290SE5", L"\\Quennet\\Sorvane", L"conf.ini", 32778, 32784, ProgramCase::Restores},
    {L"Hestorn", kDialogClass, L"\\Quennet\\Sorvane", L"TaskConf.ini", 32777, 32780, ProgramCase::OpensHidden},
    {L"Tindral", L"Quennet_Tindral_KIOP39D", L"\\Quennet\\Tindral", L"conf.ini", 32777, 32773,
     ProgramCase::ActivatesOnly},
    {L"Gallivet", L"QuennetGallivet_IE3JD", L"\\Quennet\\Gallivet", L"conf.ini", 32777, 32773,
     ProgramCase::ActivatesOnly},
};

class ProgramTest : public testing::TestWithParam<ProgramCase> {
 protected:
  void TearDown() override {
    for (RunningProgram* program : {&first_, &second_}) EnsureEnded(*program);
  }

  std::wstring Exe() const { return std::wstring(GetParam().name) + L".exe"; }

  HWND StartAndWaitForMainWindow() {
    first_ = StartProgram(Exe());
    if (!first_.process) return nullptr;
    return WaitForWindow(GetParam().mainClass, GetParam().name, first_.id, kStartTimeoutMs);
  }

  void ExitAndWait(HWND main) {
    PostMessageW(main, WM_COMMAND, GetParam().exitCommand, 0);
    DWORD code = 1;
    EXPECT_TRUE(WaitForExit(first_, 10000, &code)) << "the program did not end on Exit";
    EXPECT_EQ(code, 0u);
  }

  std::wstring SettingsPath() const {
    return AppDataFolder() + GetParam().dataFolder + L"\\" + GetParam().settingsFile;
  }

  RunningProgram first_;
  RunningProgram second_;
};

TEST_P(ProgramTest, ShowsItsMainWindowAndEndsOnExit) {
  HWND main = StartAndWaitForMainWindow();
  ASSERT_NE(main, nullptr) << "no main window of " << testing::PrintToString(std::wstring(GetParam().name));
  EXPECT_EQ(WindowText(main), GetParam().name);
  EXPECT_NE(GetMenu(main), nullptr) << "the main window has no menu bar";
  ExitAndWait(main);
}

// A window of the test process that takes the foreground away from the program.
class OtherWindow {
 public:
  OtherWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    SetForegroundWindow(window_);
  }
  ~OtherWindow() { DestroyWindow(window_); }
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

bool BecomesForeground(HWND window) {
  for (int i = 0; i < 100 && GetForegroundWindow() != window; ++i) Sleep(20);
  return GetForegroundWindow() == window;
}

TEST_P(ProgramTest, SecondStartBringsTheRunningCopyForwardAndEnds) {
  HWND main = StartAndWaitForMainWindow();
  ASSERT_NE(main, nullptr);

  OtherWindow other;
  switch (GetParam().secondStart) {
    case ProgramCase::Restores:
      ShowWindow(main, SW_MINIMIZE);
      break;
    case ProgramCase::OpensHidden:
      ShowWindow(main, SW_HIDE);
      break;
    case ProgramCase::ActivatesOnly:
      ASSERT_TRUE(BecomesForeground(other.Get()));
      break;
  }

  second_ = StartProgram(Exe());
  DWORD code = 1;
  ASSERT_TRUE(WaitForExit(second_, kStartTimeoutMs, &code)) << "the second copy did not end";
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(CountWindows(GetParam().mainClass, GetParam().name), 1);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(IsIconic(main));
  EXPECT_TRUE(BecomesForeground(main));
  ExitAndWait(main);
}

TEST_P(ProgramTest, CreatesItsDataFolderAndAUnicodeSettingsFile) {
  ASSERT_TRUE(RemoveTree(AppDataFolder() + L"\\Quennet"));
  HWND main = StartAndWaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(FolderExists(AppDataFolder() + GetParam().dataFolder));

  const std::wstring settings = SettingsPath();
  EXPECT_EQ(ReadFileBytes(settings), std::string("\xFF\xFE"));
  // Texts outside the ANSI code page, such as a record folder below a user name in
  // another script, survive the profile functions in that file.
  const std::wstring folder = L"C:\\Users\\Zo\u00eb\\\u6587\u6863\\\u0417\u0430\u043f\u0438\u0441\u0438";
  ASSERT_TRUE(WritePrivateProfileStringW(L"Option", L"RecordDirectory", folder.c_str(), settings.c_str()));
  wchar_t value[260] = L"";
  GetPrivateProfileStringW(L"Option", L"RecordDirectory", L"", value, 260, settings.c_str());
  EXPECT_EQ(value, folder);
  ExitAndWait(main);
}

TEST_P(ProgramTest, LeavesAnExistingSettingsFileAsItIs) {
  const std::wstring folder = AppDataFolder() + GetParam().dataFolder;
  ASSERT_TRUE(RemoveTree(AppDataFolder() + L"\\Quennet"));
  ASSERT_EQ(SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr), ERROR_SUCCESS);
  const std::string ansi = "[Option]\r\nRecordDirectory=D:\\Records\r\n";
  WriteFileBytes(SettingsPath(), ansi);

  HWND main = StartAndWaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ExitAndWait(main);
  EXPECT_EQ(ReadFileBytes(SettingsPath()), ansi);
}

TEST_P(ProgramTest, AboutBoxShowsTheVersionAndTheLink) {
  HWND main = StartAndWaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const std::wstring name = GetParam().name;
  const std::wstring title = L"About " + name;

  const struct {
    const char* how;
    UINT msg;
    WPARAM command;
  } ways[] = {{"system menu", WM_SYSCOMMAND, IDM_ABOUTBOX}, {"Help menu", WM_COMMAND, GetParam().aboutCommand}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    PostMessageW(main, way.msg, way.command, 0);
    HWND about = WaitForWindow(kDialogClass, title.c_str(), first_.id, 10000);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)), name + L", Version " SUITE_VERSION_TEXT);

    HWND link = GetDlgItem(about, IDC_ABOUT_LINK);
    EXPECT_EQ(WindowText(link), kSiteAddress);
    EXPECT_TRUE(GetWindowLongW(link, GWL_STYLE) & SS_NOTIFY) << "the link does not report clicks";
    RECT linkRect{}, versionRect{};
    GetWindowRect(link, &linkRect);
    GetWindowRect(GetDlgItem(about, IDC_ABOUT_VERSION), &versionRect);
    EXPECT_EQ(linkRect.left, versionRect.left) << "a left-aligned link keeps its left edge";
    EXPECT_LT(linkRect.right, versionRect.right) << "the link was not fitted to its text";

    PostMessageW(about, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 250 && IsWindow(about); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(about)) << "OK did not close the About box";
  }
  ExitAndWait(main);
}

INSTANTIATE_TEST_SUITE_P(Suite, ProgramTest, testing::ValuesIn(kPrograms),
                         [](const testing::TestParamInfo<ProgramCase>& info) {
                           const std::wstring name = info.param.name;
                           return std::string(name.begin(), name.end());
                         });

TEST(VersionResource, EachProgramCarriesTheSuiteVersion) {
  for (const ProgramCase& program : kPrograms) {
    const std::wstring path = DistFolder() + L"\\" + program.name + L".exe";
    SCOPED_TRACE(testing::PrintToString(path));
    EXPECT_EQ(GetVersionText(false, path.c_str()), L"" SUITE_VERSION_TEXT);
    EXPECT_EQ(GetVersionText(true, path.c_str()), L"1.000");
    EXPECT_DOUBLE_EQ(GetVersionNumber(path.c_str()), 1.0);
  }
}

TEST(VersionResource, AFileWithoutOneGivesNoVersion) {
  // This test program has no version resource.
  EXPECT_EQ(GetVersionText(false), L"");
  EXPECT_EQ(GetVersionNumber(), 0.0);
  const std::wstring missing = DistFolder() + L"\\Missing.exe";
  EXPECT_EQ(GetVersionText(true, missing.c_str()), L"");
  EXPECT_EQ(GetVersionNumber(missing.c_str()), 0.0);
}

}  // namespace
