// A static text turned into a web link: underlined, coloured by state (link, visited,
// under the mouse), a hand cursor, a tooltip with the address, and a click opens the
// address in the browser.
#pragma once

#include <string>

#include "../win/Handle.h"
#include "../win/controls/Static.h"
#include "../win/controls/ToolTip.h"

class CHyperLink : public Static {
 public:
  CHyperLink();

  // The address to open; when empty, the window text is used at attach time.
  void SetUrl(std::wstring url) { url_ = std::move(url); }
  const std::wstring& Url() const { return url_; }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void OnSubclassed() override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FitToText();
  void OnClicked();
  void OnMouseMove(POINT point);
  void RedrawNow() const;
  COLORREF TextColour() const;

  COLORREF linkColour_ = RGB(0, 0, 238);
  COLORREF visitedColour_ = RGB(85, 26, 139);
  COLORREF hoverColour_;
  bool hovering_ = false;
  bool visited_ = false;
  bool underline_ = true;
  bool fitToText_ = true;
  std::wstring url_;
  OwnedFont linkFont_;
  HCURSOR linkCursor_ = nullptr;  // shared system cursor, never destroyed
  ToolTip toolTip_;
};
