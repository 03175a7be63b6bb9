// What each emulated backend hands the raster core (see raster/window_system.h;
// wm/raster_hookup.cpp hands these three), and what tests use to reach a window's pixels.
#pragma once

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace backend {

// The pixels of a window's client area, or null when the handle is not a live window.
raster::Surface* ClientSurface(HWND window);
// Something was drawn on the client area through GetDC; it has to show at once.
void ClientDrawn(HWND window);
// TextOutA on a surface: the backend draws the glyphs (or records the call).
void DrawText(raster::Surface& surface, HWND window, int x, int y, const char* text, int length,
              const LOGFONTA& font, COLORREF color, int bkMode);

}  // namespace backend
