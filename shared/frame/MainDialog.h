// The modal main window of the recorder, the clicker and the key presser: a fixed
// background colour, the About entry of the system menu, and no closing by Enter or
// Escape; only WM_CLOSE (close box, Alt+F4, Exit) ends it.
#pragma once

#include "../win/Dialog.h"

// The menu commands that every main window has.
struct FrameCommandIds {
  int exit;
  int about;
  int help;
};

class MainDialog : public ModalDialog {
 public:
  MainDialog(int templateId, COLORREF background, FrameCommandIds commands)
      : ModalDialog(templateId), commands_(commands) {
    SetBackground(background);
  }

 protected:
  // Adds the About entry and the icons; derived dialogs call it first.
  bool OnInitDialog() override;
  // Exit, About and Help; then OK and Cancel.
  bool OnCommand(int id, int code, HWND control) override;
  bool OnSysCommand(WPARAM command) override;
  bool OnClose() override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  FrameCommandIds commands_;
};
