// Dialogs from resource templates. The object is kept in DWLP_USER; DialogProc routes
// each message through one switch to a virtual handler. A handler returns true when it
// handled the message; unhandled messages get the system's default dialog behaviour.
// Notifications from subclassed controls are offered to the control first.
#pragma once

#include "SolidBackground.h"
#include "Window.h"

#include <commctrl.h>

#include <optional>

class Dialog : public Window {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

 protected:
  // Return true to let the system give the focus to the first control.
  virtual bool OnInitDialog() { return true; }
  // The default sends IDOK and IDCANCEL to OnOK() and OnCancel().
  virtual bool OnCommand(int id, int code, HWND control);
  virtual void OnOK() = 0;
  virtual void OnCancel() = 0;
  virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
  virtual bool OnTimer(UINT_PTR) { return false; }
  virtual bool OnHotKey(int) { return false; }
  virtual bool OnSysCommand(WPARAM) { return false; }
  virtual bool OnClose() { return false; }
  // With a background colour set: fills the client area with it.
  virtual bool OnEraseBackground(HDC dc);
  // A brush for the control's background, or null for the default. With a background
  // colour set, static-like controls are drawn transparently on it.
  virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg);
  virtual void OnDestroy() {}
  // Everything the switch does not name.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  // Paints the dialog in one fixed colour instead of the system's.
  void SetBackground(COLORREF colour) { background_.emplace(colour); }
  int TemplateId() const { return templateId_; }
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  int templateId_;
  std::optional<SolidBackground> background_;
};

class ModalDialog : public Dialog {
 public:
  using Dialog::Dialog;
  // Runs the dialog until End(); returns End's value, or -1 when it could not be created.
  INT_PTR DoModal(HWND parent);
  void End(INT_PTR result) const { EndDialog(hwnd_, result); }

 protected:
  void OnOK() override { End(IDOK); }
  void OnCancel() override { End(IDCANCEL); }
};

class ModelessDialog : public Dialog {
 public:
  using Dialog::Dialog;
  ~ModelessDialog() override { Destroy(); }
  bool Create(HWND parent);
  void Destroy();

 protected:
  // As with the system's modal default, OK and Cancel just take the window away.
  void OnOK() override { Show(SW_HIDE); }
  void OnCancel() override { Show(SW_HIDE); }
};
