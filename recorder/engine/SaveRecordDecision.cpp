#include "SaveRecordDecision.h"

std::wstring RecordPath(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + name + L".rec";
}

SaveDecision DecideSave(const std::wstring& name, bool targetExists, bool editMode, const std::wstring& targetPath,
                        const std::wstring& oldPath) {
  if (name.empty()) return SaveDecision::AskForName;
  if (!targetExists) return SaveDecision::Accept;
  if (editMode) return targetPath == oldPath ? SaveDecision::Accept : SaveDecision::RefuseRename;
  return SaveDecision::AskOverwrite;
}
