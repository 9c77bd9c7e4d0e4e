// Moving and sizing the module's windows on screen.
#pragma once

#include <windows.h>

#include <optional>

namespace kellavor::ui {

// The work area of the primary screen.
RECT WorkArea();

// Moves the window, keeping its size, so that its left-top corner is at point minus offset,
// but inside the work area (see ClampedPosition); repaints.
void MoveClamped(HWND window, POINT point, POINT offset = {});

// Gives the window the size, a dimension left out keeping the current one, at its current
// left-top corner; repaints. False, and nothing done, when that is its size already.
bool ResizeKeepPos(HWND window, std::optional<int> width, std::optional<int> height);

// Moves the window's left-top corner to the point, keeping its size; repaints.
void MoveKeepSize(HWND window, POINT topLeft);

POINT WindowTopLeft(HWND window);
SIZE WindowSize(HWND window);

// The strict hit test of the module's windows: a point on an edge is outside.
bool IsInside(POINT point, const RECT& rect);

}  // namespace kellavor::ui
