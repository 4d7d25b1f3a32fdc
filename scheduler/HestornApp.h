// The scheduler's start-up: single instance, folders and settings, then the main
// dialog, modeless, under the application's own message loop.
#pragma once

class CHestornApp {
 public:
  // Always false: the process ends when the main dialog has ended.
  bool InitInstance();
};
