#include "canvas/canvas_view.h"

#include "canvas/app_state.h"
#include "canvas/drawing.h"

void CopyCanvasView(HDC windowSurface, int canvasTop, int width, int height) {
  BitBlt(windowSurface, kViewOriginX, kViewOriginY, width, height, AppState.Canvas, 0, canvasTop,
         SRCCOPY);
}

void ClearViewBackground(HDC windowSurface) {
  if (AppState.ClientHeight <= kViewBackgroundTop) return;
  DrawFilledRect(windowSurface, 0, kViewBackgroundTop, AppState.ClientWidth, AppState.ClientHeight,
                 192, 192, 192);
}
