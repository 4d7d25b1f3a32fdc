// The hidden tray window. A second copy of the program finds it by its title and asks
// it for the main window.
#pragma once

#include "../shared/win/CustomWindow.h"

class CSystemTray : public CustomWindow {
 public:
  // Creates the hidden window; target receives the tray's commands.
  bool Create(HWND target);

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND target_ = nullptr;
};
