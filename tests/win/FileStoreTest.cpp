// Win32FileStore on the file system, and record files written and read through it.
#include <gtest/gtest.h>

#include "../../recorder/engine/RecordFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "Harness.h"

namespace {

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

class FileStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"file_store_tests-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(RemoveTree(folder_));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
  }
  void TearDown() override { RemoveTree(folder_); }

  std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }

  // The names in the folder: a temporary file left behind shows here.
  std::vector<std::wstring> Entries() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Path(L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  std::wstring folder_;
  Win32FileStore store_;
};

TEST_F(FileStoreTest, ReplaceAtomicallyCreatesOrReplacesTheFile) {
  const struct {
    const char* name;
    std::optional<std::string> old;
    std::string written;
  } cases[] = {
      {"new file", std::nullopt, "new content"},
      {"longer old file", "old content that is longer", "new"},
      {"shorter old file", "old", std::string("new\0content", 11)},
      {"emptied", "old", ""},
      {"several megabytes", std::nullopt, std::string(5 << 20, 'x')},
  };
  const std::wstring target = Path(L"target.rec");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(target.c_str());
    if (c.old) WriteFileBytes(target, *c.old);
    EXPECT_TRUE(store_.ReplaceAtomically(target, Bytes(c.written)));
    EXPECT_EQ(ReadFileBytes(target), c.written);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"target.rec"});
  }
}

TEST_F(FileStoreTest, ReplaceAtomicallyFailsInAFolderThatDoesNotExist) {
  EXPECT_FALSE(store_.ReplaceAtomically(Path(L"missing\\target.rec"), Bytes("new")));
  EXPECT_FALSE(FolderExists(Path(L"missing")));
  EXPECT_TRUE(Entries().empty());
}

TEST_F(FileStoreTest, ReplaceAtomicallyLeavesAFolderInThePlaceOfTheFile) {
  ASSERT_TRUE(CreateDirectoryW(Path(L"target.rec").c_str(), nullptr));
  EXPECT_FALSE(store_.ReplaceAtomically(Path(L"target.rec"), Bytes("new")));
  EXPECT_TRUE(FolderExists(Path(L"target.rec")));
  EXPECT_EQ(Entries(), std::vector<std::wstring>{L"target.rec"});
}

TEST_F(FileStoreTest, ReplaceAtomicallyLeavesAFileThatIsInUse) {
  const std::wstring target = Path(L"target.rec");
  WriteFileBytes(target, "old");
  // Open as an editor would: sharing reading and writing, but not deleting.
  const HANDLE open = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(store_.ReplaceAtomically(target, Bytes("new")));
  CloseHandle(open);
  EXPECT_EQ(ReadFileBytes(target), "old");
  EXPECT_EQ(Entries(), std::vector<std::wstring>{L"target.rec"});
}

TEST_F(FileStoreTest, ReadAllGivesTheWholeFileOrNothing) {
  WriteFileBytes(Path(L"empty"), "");
  WriteFileBytes(Path(L"bytes"), std::string("a\0\xFF\r\n", 5));
  CreateDirectoryW(Path(L"folder").c_str(), nullptr);
  const struct {
    const wchar_t* name;
    std::optional<std::string> content;
  } cases[] = {
      {L"missing", std::nullopt},
      {L"folder", std::nullopt},
      {L"empty", ""},
      {L"bytes", std::string("a\0\xFF\r\n", 5)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    const std::optional<std::vector<uint8_t>> read = store_.ReadAll(Path(c.name));
    ASSERT_EQ(read.has_value(), c.content.has_value());
    if (read) {
      EXPECT_EQ(Text(*read), *c.content);
    }
  }
}

TEST_F(FileStoreTest, FromAnsiConvertsEveryByte) {
  EXPECT_EQ(store_.FromAnsi(""), L"");
  EXPECT_EQ(store_.FromAnsi("Record 1: abc"), L"Record 1: abc");
  EXPECT_EQ(store_.FromAnsi(std::string_view("a\0b", 3)), std::wstring(L"a\0b", 3));
  // Wine's prefix uses the Western European code page.
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(store_.FromAnsi("Zo\xEB \x80"), L"Zo\u00EB \u20AC");
}

TEST_F(FileStoreTest, RecordRoundTripWithNonAsciiPathAndDescription) {
  const std::wstring path = Path(L"Zo\u00EB \u6587\u6863 \U0001F600.rec");
  const std::wstring description = L"Zo\u00EB \u6587\u6863 \U0001F600\r\nsecond line";
  const std::vector<MacroEvent> events = {{0, 100, 200, 0, 16}, {7, 5, 6, -120, 30}, {8, 0x41, 0, 0, 0}};
  std::wstring error;
  ASSERT_TRUE(WriteRecordFile(store_, path, description, events, error)) << testing::PrintToString(error);
  EXPECT_EQ(Bytes(ReadFileBytes(path)), EncodeRecordFile(description, events));

  std::wstring readDescription;
  std::vector<MacroEvent> readEvents;
  ASSERT_TRUE(ReadRecordFile(store_, path, error, readDescription, readEvents)) << testing::PrintToString(error);
  EXPECT_EQ(readDescription, description);
  EXPECT_EQ(EncodeRecordFile(readDescription, readEvents), EncodeRecordFile(description, events));
}

TEST_F(FileStoreTest, RecordThatCannotBeWrittenOrReadReportsThePath) {
  const std::wstring path = Path(L"missing\\Zo\u00EB.rec");
  std::wstring error;
  EXPECT_FALSE(WriteRecordFile(store_, path, L"abc", {}, error));
  EXPECT_EQ(error, L"Create file: '" + path + L"' failed!\nYou may need to run Sorvane as administrator.");

  std::wstring description;
  std::vector<MacroEvent> events;
  EXPECT_FALSE(ReadRecordFile(store_, path, error, description, events));
  EXPECT_EQ(error, L"Can not open file: '" + path + L"'");
}

}  // namespace
