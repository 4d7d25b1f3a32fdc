// A child control of a dialog. Attach() only borrows the handle; Subclass() also routes
// the control's own messages to WindowProc() and lets the parent reflect its
// notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM) to
// OnReflected(), so a custom control keeps its drawing and behaviour to itself.
#pragma once

#include "Window.h"

class Control : public Window {
 public:
  Control() = default;
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  void Attach(HWND dialog, int id) { hwnd_ = GetDlgItem(dialog, id); }
  bool Subclass(HWND dialog, int id);

  // The subclassed control object behind a handle, or null.
  static Control* FromHandle(HWND hwnd);

  // A notification the parent received from this control. Return true when handled;
  // result is then the parent's answer (a brush for WM_CTLCOLOR*).
  virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 protected:
  // Runs once the control is subclassed.
  virtual void OnSubclassed() {}
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Unsubclass();
  bool subclassed_ = false;
};

// Hands a notification that a parent window received to the subclassed control it
// comes from. Returns true when that control handled it.
bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
