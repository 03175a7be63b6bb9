#include "editor/mouse_painting.h"

#include "canvas/app_state.h"
#include "editor/cell_grid.h"

namespace {

// The origin of the cell under the recorded pointer. Callers have checked MouseX >= 9 (or 57)
// and MouseY >= 58, so both dividends are non-negative.
int CellOriginX() { return (AppState.MouseX - kEditAreaOriginX) / kCellSize * kCellSize; }
int CellOriginY() { return (AppState.MouseY - kEditAreaOriginY) / kCellSize * kCellSize; }

}  // namespace

void HandleMouseMove(HWND window, LPARAM position) {
  AppState.MouseX = LOWORD(position);
  AppState.MouseY = HIWORD(position);
  if (!AppState.LeftDown && !AppState.RightDown) return;
  if (AppState.ViewMode == VIEW_ART) return;
  // The drag area reaches every column, margins included: Canvas x 1..479.
  if (AppState.MouseY < 58 || AppState.MouseY > 417 || AppState.MouseX < 9 ||
      AppState.MouseX > 487)
    return;
  const int x = CellOriginX(), y = CellOriginY();
  if (AppState.LeftDown) PaintCell(x, y, AppState.LeftColor);
  if (AppState.RightDown) PaintCell(x, y, AppState.RightColor);
  ShowEditArea(window);
}

void HandleButtonDown(HWND window, MouseButton button) {
  if (AppState.ViewMode == VIEW_ART) return;
  // The press area is the drawing field, columns 4..35, without the frame line at Canvas x 48
  // (client 56) and the closing line at x 432 (client 440).
  if (AppState.MouseY < 58 || AppState.MouseY > 417 || AppState.MouseX < 57 ||
      AppState.MouseX > 439)
    return;
  const bool left = button == MouseButton::Left;
  PaintCell(CellOriginX(), CellOriginY(), left ? AppState.LeftColor : AppState.RightColor);
  ShowEditArea(window);
  AppState.DataSaved = 0;
  (left ? AppState.LeftDown : AppState.RightDown) = 1;
}

void HandleButtonUp(MouseButton button) {
  (button == MouseButton::Left ? AppState.LeftDown : AppState.RightDown) = 0;
}
