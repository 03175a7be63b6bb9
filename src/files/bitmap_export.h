// Saving a rectangle of the Canvas as a bitmap file.
#pragma once

#include "platform/win32.h"

// Asks for a file name, then writes the rectangle (x, y, width, height) of the Canvas.
void SaveArtBitmap(HWND window, HDC canvas, int x, int y, int width, int height);
