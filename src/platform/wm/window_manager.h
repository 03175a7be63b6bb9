// The window manager's state and rules that both emulated backends share; each backend keeps
// its own window records and shows them (headless: in memory, Qt: as widgets).
#pragma once

#include "platform/win32.h"

namespace wm {

// The class registered under a name, or null.
const WNDCLASSEXA* FindClass(const char* name);
// Unregisters every class (a fresh process, for the headless backend's reset).
void ForgetClasses();

// What DefWindowProcA does with a message: WM_CLOSE destroys the window, WM_PAINT validates
// the client area (erasing it first when asked), WM_ERASEBKGND fills it with the class
// background; everything else gives 0.
LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace wm
