#include "canvas/canvas.h"

#include "canvas/drawing.h"
#include "platform/true_color_bitmap.h"

namespace {
// The pixel store selected into the Canvas, and the one it replaced (put back on destruction).
HBITMAP CanvasBitmap = nullptr;
HGDIOBJ CanvasOldBitmap = nullptr;
}  // namespace

HDC CreateCanvas(HWND window, int width, int height) {
  HDC screen = GetDC(window);
  HDC canvas = CreateCompatibleDC(screen);
  // Made for the window's surface: one made for the new memory surface would get that
  // surface's 1 x 1 monochrome default format instead. 32 bits whatever the display, so that
  // every colour painted reads back unchanged.
  CanvasBitmap = CreateTrueColorBitmap(screen, width, height);
  CanvasOldBitmap = SelectObject(canvas, CanvasBitmap);
  ReleaseDC(window, screen);
  return canvas;
}

void DestroyCanvas(HDC canvas) {
  SelectObject(canvas, CanvasOldBitmap);
  DeleteObject(CanvasBitmap);
  DeleteDC(canvas);
  CanvasBitmap = nullptr;
  CanvasOldBitmap = nullptr;
}

void ClearCanvas(HDC canvas) {
  DrawFilledRect(canvas, 0, 0, kFirstClearRight, kFirstClearBottom, 192, 192, 192);
}
