// Copying a rectangle of the Canvas to the clipboard as a bitmap.
#pragma once

#include "platform/win32.h"

// Puts a copy of the rectangle (x, y, width, height) of the Canvas on the clipboard, owned by
// window, as one CF_BITMAP. The clipboard owns the copy; when it cannot take it, the copy is
// freed and the clipboard keeps what it held.
void CopyArtToClipboard(HWND window, HDC canvas, int x, int y, int width, int height);
