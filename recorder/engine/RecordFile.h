// Record files (.rec): a 20-byte header and four chunks (identification text,
// description, events, end), little-endian throughout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../../shared/portable/FileStore.h"
#include "MacroRecord.h"

// The whole file's bytes, exactly as WriteRecordFile stores them.
std::vector<uint8_t> EncodeRecordFile(const std::wstring& description, const std::vector<MacroEvent>& events);

// Writes the record, replacing the file atomically. On failure returns false and puts
// the message to show into errorText.
bool WriteRecordFile(FileStore& files, const std::wstring& path, const std::wstring& description,
                     const std::vector<MacroEvent>& events, std::wstring& errorText);

// Reads a record. On success replaces description and events; on failure returns
// false, puts the message to show into errorText and leaves both as they were.
bool ReadRecordFile(FileStore& files, const std::wstring& path, std::wstring& errorText, std::wstring& description,
                    std::vector<MacroEvent>& events);
