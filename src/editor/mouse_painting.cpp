#include "editor/mouse_painting.h"

#include "canvas/app_state.h"
#include "canvas/canvas_view.h"
#include "editor/cell_grid.h"

namespace {

// A block of client pixels, all four bounds included.
struct ClientArea {
  int left, top, right, bottom;
  bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// A drag paints in every column, margins included: Canvas x 1..479 (client 9..487), all rows.
constexpr ClientArea kDragArea{kViewOriginX + 1, kViewOriginY, kViewOriginX + kEditAreaWidth - 1,
                               kViewOriginY + kEditAreaHeight - 1};
// A press paints only in the drawing field, columns 4..35, without the frame line at Canvas
// x 48 (client 56) and the closing line at x 432 (client 440): client 57..439.
constexpr ClientArea kPressArea{kViewOriginX + kFieldFirstColumn * kCellSize + 1, kViewOriginY,
                                kViewOriginX + (kFieldLastColumn + 1) * kCellSize - 1,
                                kViewOriginY + kEditAreaHeight - 1};

// The origin of the cell under the recorded pointer. Callers have checked that the pointer
// lies in one of the areas above, so both dividends are non-negative.
int CellOriginX() { return (AppState.MouseX - kViewOriginX) / kCellSize * kCellSize; }
int CellOriginY() { return (AppState.MouseY - kViewOriginY) / kCellSize * kCellSize; }

}  // namespace

void HandleMouseMove(HWND window, LPARAM position) {
  AppState.MouseX = LOWORD(position);
  AppState.MouseY = HIWORD(position);
  if (!AppState.LeftDown && !AppState.RightDown) return;
  if (AppState.ViewMode == VIEW_ART) return;
  if (!kDragArea.Holds(AppState.MouseX, AppState.MouseY)) return;
  const int x = CellOriginX(), y = CellOriginY();
  if (AppState.LeftDown) PaintCell(x, y, AppState.LeftColor);
  if (AppState.RightDown) PaintCell(x, y, AppState.RightColor);
  ShowEditArea(window);
}

void HandleButtonDown(HWND window, MouseButton button) {
  if (AppState.ViewMode == VIEW_ART) return;
  if (!kPressArea.Holds(AppState.MouseX, AppState.MouseY)) return;
  const bool left = button == MouseButton::Left;
  PaintCell(CellOriginX(), CellOriginY(), left ? AppState.LeftColor : AppState.RightColor);
  ShowEditArea(window);
  AppState.DataSaved = 0;
  (left ? AppState.LeftDown : AppState.RightDown) = 1;
}

void HandleButtonUp(MouseButton button) {
  (button == MouseButton::Left ? AppState.LeftDown : AppState.RightDown) = 0;
}
