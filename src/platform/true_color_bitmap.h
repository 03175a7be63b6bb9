// The Canvas's pixel store: a bitmap that keeps 8 bits per colour channel whatever the display.
//
// The depth grid exists only as the colours of its cells, and reading a cell back must give
// exactly the colour that was painted. A bitmap compatible with a 16-bit or palette display
// would round the colours, the grid would read back wrong, and saved data would hold wrong
// levels; so the Canvas is always a 32-bit surface.
#pragma once

#include "platform/win32.h"

// A width x height bitmap of 32 bits per pixel for use with surfaces like reference; null on
// failure. Delete it with DeleteObject.
HBITMAP CreateTrueColorBitmap(HDC reference, int width, int height);
