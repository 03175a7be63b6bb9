#include "canvas/canvas.h"

namespace {
// The pixel store selected into the Canvas, and the one it replaced (put back on destruction).
HBITMAP CanvasBitmap = nullptr;
HGDIOBJ CanvasOldBitmap = nullptr;
}  // namespace

HDC CreateCanvas(HWND window, int width, int height) {
  HDC screen = GetDC(window);
  HDC canvas = CreateCompatibleDC(screen);
  // Compatible with the window's surface: a bitmap made for the new memory surface would get
  // that surface's 1 x 1 default format instead.
  CanvasBitmap = CreateCompatibleBitmap(screen, width, height);
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
