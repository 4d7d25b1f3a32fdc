// The steps every program takes before it shows its main window.
#pragma once

#include <string>

// Creates the program's mutex and keeps it for the life of the process. False when
// another copy of the program already holds it.
bool ClaimSingleInstance(const wchar_t* mutexName);

// Fills the module folder (ANSI and wide) and the executable path. False, with the
// folder left empty, when the path is too long for 520 bytes or holds no backslash.
bool GetModuleFolder();

// Creates the folder and every missing parent; the result is that of the last creation.
bool CreateDirectories(const std::wstring& path);

// A shell folder such as CSIDL_APPDATA, without creating it; empty when unknown.
std::wstring SpecialFolder(int csidl);

// The per-user data folder: the application-data folder followed by subfolder
// ("\Quennet\Sorvane"), created with its parents.
std::wstring CreateDataFolder(const wchar_t* subfolder);

// A settings file that does not exist yet is created as UTF-16 with a byte-order mark,
// so that the profile functions keep texts outside the ANSI code page intact.
void PrepareSettingsFile(const std::wstring& path);

std::wstring ReadProfileText(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                             const wchar_t* defaultValue);

// "RecordDirectory" of section "Option", or "Sorvane\Records" in the user's documents.
std::wstring ReadRecordFolder(const std::wstring& settingsFile);

void InitCommonControlClasses();

// Registers a copy of the system dialog class under the name that a main dialog's
// template names in its CLASS statement. False when the system class cannot be read.
bool RegisterPrivateDialogClass(const wchar_t* className);

// Runs every pending message of the calling thread.
void PumpMessages();

// Enables SeDebugPrivilege on the own process token, when the user may have it.
void EnableDebugPrivilege();

// The Help command: opens the program's page of the web site in the browser.
void OpenHelpPage();
