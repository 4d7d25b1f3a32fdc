#include "StatusWindowPlacement.h"

#include "../shared/win/Handle.h"

Rect WorkArea() {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
  }
  return {area.left, area.top, area.right, area.bottom};
}

namespace {

Rect WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void MoveTo(HWND window, Point corner) {
  SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void PlaceAtBottomRight(HWND window) {
  const Rect rect = WindowRect(window);
  MoveTo(window, BottomRight(WorkArea(), rect.right - rect.left, rect.bottom - rect.top));
}

void StepOutOfThePointersWay(HWND window, MoveAway& rule) {
  POINT pointer{};
  GetCursorPos(&pointer);
  const Rect rect = WindowRect(window);
  const bool inside = pointer.x >= rect.left && pointer.x < rect.right && pointer.y >= rect.top && pointer.y < rect.bottom;
  if (const auto corner = rule.Tick(inside, rect, WorkArea())) MoveTo(window, *corner);
}

void FrameStatusWindow(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  const OwnedBrush frame(CreateSolidBrush(RGB(36, 93, 219)));
  FrameRect(dc, &client, frame.Get());
}
