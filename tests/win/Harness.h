// Starting the suite's real programs under test and watching what they do.
#pragma once

#include <windows.h>

#include <string>

#include "../../shared/win/Handle.h"

// The folder with the built programs and Res, as a user would copy it.
std::wstring DistFolder();

// The user's application-data folder, as the programs see it.
std::wstring AppDataFolder();

struct RunningProgram {
  OwnedHandle process;
  DWORD id = 0;
};

// Starts the executable at path with the given arguments, in folder (null: ours).
RunningProgram StartProcess(const std::wstring& path, const std::wstring& arguments, const wchar_t* folder = nullptr);

// Starts dist\<exe> with the given arguments, in the dist folder.
RunningProgram StartProgram(const std::wstring& exe, const std::wstring& arguments = L"");

// Waits for the process to end; false on time-out. exitCode gets its exit code.
bool WaitForExit(const RunningProgram& program, DWORD timeoutMs, DWORD* exitCode = nullptr);

// Ends a program that does not close by itself, so that no test leaves one behind.
void EnsureEnded(RunningProgram& program);

// Polls for a visible top-level window of the class and/or title (null: any) that
// belongs to the process (0: any); null on time-out.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD processId, DWORD timeoutMs);

// How many top-level windows of that class and/or title exist, visible or not.
int CountWindows(const wchar_t* className, const wchar_t* title);

std::wstring WindowText(HWND window);

// A key going down or up, injected as a keyboard does it.
void InjectKey(WORD virtualKey, bool up);

// Lets go of Shift, Ctrl and Alt, so that a hotkey pressed next matches exactly
// whatever an earlier test left in the shared keyboard state.
void ReleaseModifiers();

bool FolderExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Removes a folder with everything in it; true when it is gone afterwards.
bool RemoveTree(const std::wstring& path);
