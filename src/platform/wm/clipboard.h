// The clipboard's state beyond the calls in win32.h, for tests and the reset between programs.
#pragma once

#include "platform/win32.h"

namespace wm {

// The bitmap on the clipboard, or null; read without opening the clipboard.
HBITMAP ClipboardBitmap();
// While set, OpenClipboard fails, as when another program has the clipboard open.
void HoldClipboardElsewhere(bool held);
// Deletes the bitmap the clipboard holds and closes it.
void ForgetClipboard();

}  // namespace wm
