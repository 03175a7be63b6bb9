// The palette bar above the grid: the eight depth colours as swatches, the two labels, the
// indicators of the left and right painting colours, and the separator under the menu bar.
#pragma once

#include "editor/mouse_painting.h"
#include "platform/win32.h"

// Draws the whole bar on the window's client area.
void DrawPaletteBar(HWND window);
// Offered every button press before painting: picks that button's colour when the last
// recorded pointer position is on a swatch. Returns 1 when it took the press, else 0.
int PickPaletteColor(HWND window, MouseButton button);
