// The view: the window shows one block of the Canvas at a time, the grid (EditArea) or the
// picture (ArtArea), always at the same place below the control rows and the palette bar.
#pragma once

#include "platform/win32.h"

// Client (X, Y) shows Canvas (X - 8, Y - 58) of the grid, or the picture's pixel at the same
// offset from the ArtArea's first row.
constexpr int kViewOriginX = 8;
constexpr int kViewOriginY = 58;
// The first client row below the control rows and the palette bar.
constexpr int kViewBackgroundTop = 56;

// Copies the width x height block of the Canvas that starts at column 0 of row canvasTop to
// the window's surface at the view origin.
void CopyCanvasView(HDC windowSurface, int canvasTop, int width, int height);
// Fills the client area below the control rows (from row 56 down) with grey, as every view
// change and repaint does before it shows a view. A client area no taller than the control
// rows gets nothing: the rectangle rule would otherwise swap the corners and paint grey over
// the controls and the palette bar.
void ClearViewBackground(HDC windowSurface);
