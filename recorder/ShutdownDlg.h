// The countdown shown before the computer shuts down after a playback. The dialog does
// not close itself once the shutdown has started: the shutdown ends the program. If the
// shutdown fails, it keeps showing "Shutting down..." until the user cancels.
#pragma once

#include <functional>

#include "../shared/win/Dialog.h"
#include "engine/ShutdownCountdown.h"

class CShutdownDlg : public ModalDialog {
 public:
  // shutdown runs when the countdown has run out or on "Shutdown Immediate"; tickMs is
  // the countdown's second. DoModal() returns IDCANCEL when the user cancelled.
  explicit CShutdownDlg(std::function<void()> shutdown, UINT tickMs = 1000);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnTimer(UINT_PTR id) override;

 private:
  void ShowTime() const;
  void StartShutdown();

  std::function<void()> shutdown_;
  UINT tickMs_;
  ShutdownCountdown countdown_;
};
