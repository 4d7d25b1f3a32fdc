// A push button drawn by itself: a rounded dark-blue border around a soft vertical
// gradient, an amber frame while the mouse rests on it and a blue frame and focus
// rectangle while it has the focus.
#pragma once

#include <string>

#include "../win/Handle.h"
#include "../win/controls/Button.h"

class CXPButton : public Button {
 public:
  CXPButton();

  // Creates a push button child of parent and takes it over.
  bool Create(HWND parent, int id, const RECT& rect, const std::wstring& text);

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void OnSubclassed() override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // One pen per side of the inner frame.
  struct FramePens {
    OwnedPen left, right, top, bottom;
  };
  static FramePens MakeFramePens(COLORREF left, COLORREF right, COLORREF top, COLORREF bottom);

  void DrawItem(const DRAWITEMSTRUCT& item);
  void DrawGradient(HDC dc, const RECT& inner) const;
  void DrawFrame(HDC dc, const RECT& inner) const;
  void DrawCaption(HDC dc, const RECT& inner, UINT state) const;
  COLORREF GradientColour(int step) const;

  OwnedPen borderPen_;
  FramePens hoverPens_;
  FramePens focusPens_;
  bool hovering_ = false;
  bool tracking_ = false;     // a TrackMouseEvent request is active
  bool focused_ = false;      // as of the last drawing
  bool highlighted_ = false;  // focused, pressed or default, as of the last drawing
};
