#include "../../recorder/engine/SaveRecordDecision.h"

#include <gtest/gtest.h>

TEST(SaveRecordDecision, RecordPathAppendsTheExtensionToTheName) {
  EXPECT_EQ(RecordPath(L"C:\\Records", L"Daily"), L"C:\\Records\\Daily.rec");
  EXPECT_EQ(RecordPath(L"C:\\Records", L"v1.2"), L"C:\\Records\\v1.2.rec");
}

TEST(SaveRecordDecision, DependsOnTheNameTheFileAndTheMode) {
  const std::wstring target = L"C:\\Records\\Daily.rec";
  const struct {
    const char* name;
    std::wstring typed;
    bool exists, edit;
    std::wstring oldPath;
    SaveDecision decision;
  } cases[] = {
      {"new, empty name", L"", false, false, L"", SaveDecision::AskForName},
      {"new, empty name, file exists", L"", true, false, L"", SaveDecision::AskForName},
      {"edit, empty name", L"", false, true, target, SaveDecision::AskForName},
      {"new, free name", L"Daily", false, false, L"", SaveDecision::Accept},
      {"new, name taken", L"Daily", true, false, L"", SaveDecision::AskOverwrite},
      {"new, name taken, same path as an old one", L"Daily", true, false, target, SaveDecision::AskOverwrite},
      {"edit, free name", L"Daily", false, true, L"C:\\Records\\Weekly.rec", SaveDecision::Accept},
      {"edit, same name", L"Daily", true, true, target, SaveDecision::Accept},
      {"edit, another record's name", L"Daily", true, true, L"C:\\Records\\Weekly.rec", SaveDecision::RefuseRename},
      {"edit, old name in other case", L"Daily", true, true, L"C:\\Records\\daily.rec", SaveDecision::RefuseRename},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecideSave(c.typed, c.exists, c.edit, target, c.oldPath), c.decision) << c.name;
  }
}
