// A headless main window for tests of the editor, renderer and files: a window of the real
// client size with the Canvas created, the initial state set and the first paint's Canvas
// work done (grey everywhere, the empty grid), driven by a minimal window procedure.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace testing_support {

// Resets the headless backend and AppState, then makes the window and its Canvas.
HWND MakeProgramWindow();
// Adds the dot-colour list with its eight entries, as the first paint fills it, selects an
// entry (-1: none) and makes it the list the renderer asks.
HWND AddDotColorList(HWND window, int selection);
// Destroys the Canvas and the window.
void DestroyProgramWindow(HWND window);

// Pixel of the window's client area, as COLORREF.
COLORREF ClientPixel(HWND window, int x, int y);
// Canvas rows first..last, all columns, row by row.
std::vector<COLORREF> CanvasRows(int first, int last);

}  // namespace testing_support
