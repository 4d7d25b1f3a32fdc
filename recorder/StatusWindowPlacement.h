// Placement and look shared by the small status windows of recording and playback.
#pragma once

#include <windows.h>

#include "engine/MoveAway.h"

// The work area: the screen without the task bar.
Rect WorkArea();

// Puts the window at the bottom right of the work area, without activating it.
void PlaceAtBottomRight(HWND window);

// One tick of the move-away rule for the window.
void StepOutOfThePointersWay(HWND window, MoveAway& rule);

// The 1-pixel blue frame around the window's client area.
void FrameStatusWindow(HWND window, HDC dc);
