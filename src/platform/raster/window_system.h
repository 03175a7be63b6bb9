// What the raster core is handed by the window system it draws for. The raster links no window
// system of its own: GetDC of a window finds the window's client pixels, and TextOutA its
// glyphs, through the functions handed here. Until a window system is handed (the raster on its
// own, as its tests use it), no window has a surface, so GetDC of a window fails, and TextOutA
// draws nothing and fails.
#pragma once

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace raster {

struct WindowSystem {
  // The pixels of a window's client area, or null when the handle is not a live window.
  Surface* (*clientSurface)(HWND window) = nullptr;
  // Called after something was drawn on a client area through GetDC, so that it shows at once;
  // may be null.
  void (*clientDrawn)(HWND window) = nullptr;
  // Draws text with its character cell's top-left at (x, y) on a surface (a window's client
  // area, window then being that window, or a bitmap, window then null).
  void (*drawText)(Surface& surface, HWND window, int x, int y, const char* text, int length,
                   const LOGFONTA& font, COLORREF color, int bkMode) = nullptr;
};

// Hands the raster its window system, replacing the one handed before. Returns true, so that
// a backend can hand its own from a static initialiser.
bool HandWindowSystem(const WindowSystem& system);

}  // namespace raster
