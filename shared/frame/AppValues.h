// The values every part of a program reads, worked out once at start-up.
#pragma once

#include <windows.h>

#include <string>

struct AppValues {
  std::wstring name;              // "Sorvane", "Hestorn", ...
  const wchar_t* helpPage = L"";  // page of the web site that Help opens
  std::string moduleFolderAnsi;   // folder of the executable, no trailing backslash
  std::wstring moduleFolder;      // the same, wide
  std::wstring executablePath;    // the full path of the executable
  std::wstring dataFolder;        // per-user folder below the application-data folder
  std::wstring settingsFile;      // conf.ini (TaskConf.ini for the scheduler)
  std::wstring recordFolder;      // the record library (recorder and scheduler)
  std::wstring recorderPath;      // Sorvane.exe beside the clicker and the key presser
  OSVERSIONINFOW osVersion{};     // filled by the scheduler only
};

extern AppValues g_app;
