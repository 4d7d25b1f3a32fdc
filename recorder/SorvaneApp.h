// The recorder's start-up: single instance, folders and settings, then the main dialog.
#pragma once

#include <string>

class CSorvaneApp {
 public:
  // Always false: the process ends when the main dialog has ended. commandLine is
  // what follows the program's name.
  bool InitInstance(const std::wstring& commandLine);
};
