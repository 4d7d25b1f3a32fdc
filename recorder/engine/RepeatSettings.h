// The main window's repeat settings as section "OptEx" of the settings file keeps
// them: written at every playback started from the window, read at an interactive
// start and after the options are changed.
#pragma once

#include <functional>
#include <string>

#include "PlaybackOptions.h"

using WriteSetting = std::function<void(const wchar_t* key, const std::wstring& value)>;
using ReadSetting = std::function<std::wstring(const wchar_t* key, const wchar_t* fallback)>;

// selectedRecord: the location of the selected record, empty when none is selected
// (then "Record" is not written).
void SaveRepeatSettings(const RepeatControls& controls, const std::wstring& selectedRecord, const WriteSetting& write);

// Changes the controls as the stored values say; values that do not read as numbers
// leave their control as it is. Returns the record location to select again, or empty.
std::wstring LoadRepeatSettings(const ReadSetting& read, RepeatControls& controls);
