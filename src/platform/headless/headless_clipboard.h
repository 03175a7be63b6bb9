// Headless clipboard: kept in memory.
//
// Implements: OpenClipboard (fails while it is open or while a test says another program holds
// it), EmptyClipboard (deletes what the clipboard owned), SetClipboardData for
// CF_BITMAP (the clipboard owns the bitmap it is given and deletes the one it replaces),
// CloseClipboard. Reset deletes the bitmap the clipboard holds.
// Does not implement: other formats, delayed rendering, clipboard viewers.
#pragma once

#include "platform/win32.h"

namespace headless {

// The bitmap on the clipboard, or null; read without opening the clipboard.
HBITMAP ClipboardBitmap();
// While set, OpenClipboard fails, as when another program has the clipboard open.
void HoldClipboardElsewhere(bool held);

}  // namespace headless
