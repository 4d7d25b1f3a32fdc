// The recorder's start-up: single instance, folders and settings, then the main dialog.
#pragma once

class CSorvaneApp {
 public:
  // Always false: the process ends when the main dialog has ended.
  bool InitInstance();
};
