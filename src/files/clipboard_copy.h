// Copying a rectangle of the Canvas to the clipboard as a bitmap.
#pragma once

#include "platform/win32.h"

void CopyArtToClipboard(HWND window, HDC canvas, int x, int y, int width, int height);
