// The task file tasks.ini: UTF-16 little-endian text without a byte-order mark, a
// comment line, a version line, then one line of "Key=value" pairs per task.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "../../shared/portable/FileStore.h"
#include "TaskTable.h"

// "<dataFolder>\tasks.ini".
std::wstring TaskFilePath(const std::wstring& dataFolder);

// The value of key in a task line: found without regard to case at its first
// occurrence anywhere in the line, up to the next "|" or the line's end. Empty when
// the key is not there.
std::wstring GetTaskField(std::wstring_view line, std::wstring_view key);

// The whole file's bytes for the table's rows, in row order.
std::vector<uint8_t> EncodeTaskFile(const TaskTable& tasks);

// Writes the table to the file, replacing it atomically. On failure returns false and
// puts the message to show into errorText; the old file stays as it was.
bool SaveTasks(FileStore& files, const std::wstring& path, const TaskTable& tasks, std::wstring& errorText);

// Empties the table and fills it from the file; lines that are no complete task are
// left out. A file of a version this program does not know puts the message to show
// into errorText and loads nothing. Returns the number of tasks loaded.
int LoadTasks(FileStore& files, const std::wstring& path, TaskTable& tasks, std::wstring& errorText);
