// A tooltip window owned by a parent; tools subclass their window so the tooltip sees
// its mouse messages without a hand-written relay.
#pragma once

#include "../Window.h"

#include <string>

class ToolTip : public Window {
 public:
  ToolTip() = default;
  ~ToolTip() override;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  bool Create(HWND owner);
  // A tool for the rectangle of the window, in its client coordinates.
  bool AddTool(HWND tool, UINT_PTR id, const RECT& rect, const std::wstring& text) const;
  bool AddTool(HWND tool, const std::wstring& text) const;
  void Activate(bool active) const;
};
