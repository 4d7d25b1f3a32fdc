// What OK in the save record dialog does with the name typed in it.
#pragma once

#include <string>

enum class SaveDecision {
  AskForName,    // no name: the dialog asks for one and stays open
  Accept,        // the dialog closes with OK
  RefuseRename,  // editing, and another record has that name already
  AskOverwrite,  // a new recording, and a record of that name exists
};

// The record file that a name stands for in the record folder.
std::wstring RecordPath(const std::wstring& folder, const std::wstring& name);

// targetExists tells whether a file lies at targetPath, the name's record path. The
// paths compare exactly: on Windows a name that differs from the edited record's only
// in letter case finds that record's own file, and counts as another record's name.
SaveDecision DecideSave(const std::wstring& name, bool targetExists, bool editMode, const std::wstring& targetPath,
                        const std::wstring& oldPath);
