// The modal main window of the recorder, the clicker and the key presser: a fixed
// background colour, the About entry of the system menu, and no closing by Enter or
// Escape; only WM_CLOSE (close box, Alt+F4, Exit) ends it.
#pragma once

#include "../win/Dialog.h"
#include "../win/SolidBackground.h"

// The menu commands that every main window has.
struct FrameCommandIds {
  int exit;
  int about;
  int help;
};

class MainDialog : public ModalDialog {
 public:
  MainDialog(int templateId, COLORREF background, FrameCommandIds commands)
      : ModalDialog(templateId), background_(background), commands_(commands) {}

 protected:
  // Adds the About entry and the icons; derived dialogs call it first.
  bool OnInitDialog() override;
  // Exit, About and Help; then OK and Cancel.
  bool OnCommand(int id, int code, HWND control) override;
  bool OnSysCommand(WPARAM command) override;
  bool OnClose() override;
  bool OnEraseBackground(HDC dc) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  SolidBackground background_;
  FrameCommandIds commands_;
};
