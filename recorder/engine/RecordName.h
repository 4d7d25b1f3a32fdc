// The name proposed for a new recording: "NewRecord<n>", n counting up from the number
// of records in the list plus one, past every name whose file already exists.
#pragma once

#include <functional>
#include <string>

std::wstring ProposeRecordName(int recordsInList, const std::function<bool(const std::wstring& name)>& exists);
