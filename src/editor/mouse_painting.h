// Painting cells with the mouse: a press inside the drawing field paints the cell under the
// pointer and starts a drag; while the button is held, moves paint the cells they cross.
#pragma once

#include "platform/win32.h"

enum class MouseButton { Left, Right };

// WM_MOUSEMOVE: records the position, then paints while a button is held.
void HandleMouseMove(HWND window, LPARAM position);
// WM_LBUTTONDOWN / WM_RBUTTONDOWN that the palette pick did not take. The press is located at
// the position of the last move; the message's own position is not read.
void HandleButtonDown(HWND window, MouseButton button);
// WM_LBUTTONUP / WM_RBUTTONUP: ends that button's drag, wherever and in whichever view.
void HandleButtonUp(MouseButton button);
