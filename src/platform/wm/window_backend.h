// What the shared window manager needs from the backend that keeps the window records.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace backend {

// The handle is a live window.
bool IsWindow(HWND window);
// The children of a window, in the order they were made.
std::vector<HWND> Children(HWND parent);
// A child window's identifier (the HMENU it was made with).
int ChildId(HWND child);
// The client area waits for WM_PAINT.
bool WaitsForPaint(HWND window);
// FSHIFT | FCONTROL | FALT as they were held when the message was made.
BYTE KeysHeld(const MSG& msg);
// The default erase: what waits to be repainted, in the class background.
void EraseClient(HWND window, HDC hdc);

}  // namespace backend
