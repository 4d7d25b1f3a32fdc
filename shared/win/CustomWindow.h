// A window of a class of our own, for the windows that are not dialogs. The object is
// kept in GWLP_USERDATA; WindowProc() handles its messages, after notifications from
// subclassed child controls have been offered to them.
#pragma once

#include "Window.h"

class CustomWindow : public Window {
 public:
  CustomWindow() = default;
  ~CustomWindow() override { Destroy(); }
  CustomWindow(const CustomWindow&) = delete;
  CustomWindow& operator=(const CustomWindow&) = delete;

  bool Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect,
              HWND parent);
  void Destroy();

 protected:
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
