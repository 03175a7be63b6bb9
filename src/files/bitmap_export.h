// Saving a rectangle of the Canvas as a bitmap file.
#pragma once

#include "platform/win32.h"

// Asks for a file name (".bmp" is added when it has no dot), then writes the rectangle
// (x, y, width, height) of the Canvas as it is at that moment.
void SaveArtBitmap(HWND window, HDC canvas, int x, int y, int width, int height);
// Copies the rectangle into a bitmap of its own and writes that as a bitmap file. Returns 1
// when the file was written; the program does not act on it, the batch renderer's tests may.
int ExportRegionToBmp(HDC canvas, int x, int y, int width, int height, const char* path);
