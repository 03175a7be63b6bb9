#include "editor/cell_grid.h"

#include <array>
#include <cassert>

#include "canvas/app_state.h"
#include "canvas/canvas_view.h"
#include "canvas/drawing.h"
#include "editor/depth_colors.h"

void DrawEmptyGrid() {
  HDC canvas = AppState.Canvas;
  DrawFilledRect(canvas, 0, 0, kEditAreaWidth, kEditAreaHeight, 0, 0, 0);
  SelectPenBrush(canvas, 255, 255, 255);
  // 33 vertical lines frame columns 4..35 and separate them.
  for (int i = 0; i <= 32; ++i) DrawLine(canvas, 48 + 12 * i, 0, 48 + 12 * i, 360);
  // 30 horizontal lines from y 12 to y 360; none along the top edge. The last one lies on
  // row 360, the first row of the ArtArea, and stays there until the first render.
  for (int i = 0; i < 30; ++i) DrawLine(canvas, 48, 12 + 12 * i, 432, 12 + 12 * i);
  RestorePenBrush(canvas);
}

void PaintCell(int x, int y, int level) {
  assert(level >= 0 && level < 8);
  const DepthColor& c = DepthColorTable[level];
  DrawFilledRect(AppState.Canvas, x + 1, y + 1, x + 12, y + 12, c.red, c.green, c.blue);
}

int ReadCellLevel(int column, int row) {
  // The renderer reads 960 centres per picture; the table's colours are packed once.
  static const std::array<COLORREF, kDepthLevels> colours = [] {
    std::array<COLORREF, kDepthLevels> packed{};
    for (int level = 0; level < kDepthLevels; ++level) packed[level] = DepthColorRef(level);
    return packed;
  }();
  const COLORREF centre = GetPixel(AppState.Canvas, 12 * column + 6, 12 * row + 6);
  for (int level = 0; level < kDepthLevels; ++level)
    if (centre == colours[level]) return level;
  return kNoLevel;
}

void ShowEditArea(HWND window) {
  HDC surface = GetDC(window);
  CopyCanvasView(surface, 0, kEditAreaWidth, kEditAreaHeight);
  ReleaseDC(window, surface);
}
