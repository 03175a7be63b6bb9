// The window procedure of the one main window: every event of the program arrives here as a
// message and is handled to its end before the next one is taken.
#pragma once

#include "platform/win32.h"

// Handled messages return 0; everything else is DefWindowProcA's, result included.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
