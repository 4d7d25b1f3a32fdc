// The crash report of playback: a processor fault while a record plays shows what
// happened and where, and ends the program.
#pragma once

#include <windows.h>

#include <functional>

// Runs play. A processor fault (access violation, illegal instruction, division by
// zero, stack overflow, ...) on this thread inside play shows the report; when the
// user closes it the process ends with exit code 0. Nothing stays installed after
// play returns or throws.
void PlaybackGuard(const std::function<void()>& play);

// Shows the report of the exception in the modal error dialog.
void BuildCrashReport(EXCEPTION_POINTERS* exception);
