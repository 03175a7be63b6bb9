#include "shell/main_window.h"

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/canvas_view.h"
#include "canvas/drawing.h"
#include "editor/cell_grid.h"
#include "editor/mouse_painting.h"
#include "editor/palette_bar.h"
#include "render/stereogram.h"
#include "shell/commands.h"
#include "shell/control_panel.h"

namespace {

void CreateMainWindowContents(HWND window) {
  AppState.Canvas = CreateCanvas(window, kCanvasWidth, kCanvasHeight);
  SetInitialAppState();
  CreateControlPanel(window);
  // The Canvas and the dot list stay untouched until the first paint.
}

// Runs once: the list gets its entries, the Canvas its grey and the empty grid. Later paints
// must not repeat it, or they would wipe the painted cells and reset the user's dot colour.
void FirstPaint() {
  FillDotColorList();
  ClearCanvas(AppState.Canvas);
  DrawEmptyGrid();
  AppState.FirstPaintDone = 1;
}

void Repaint(HWND window) {
  // The update region is only validated here: everything below row 56 is redrawn through
  // GetDC on every paint, whatever part of the window was uncovered.
  PAINTSTRUCT ps;
  BeginPaint(window, &ps);
  EndPaint(window, &ps);
  if (!AppState.FirstPaintDone) FirstPaint();
  HDC surface = GetDC(window);
  DrawPaletteBar(window);
  ClearViewBackground(surface);
  if (AppState.ViewMode == VIEW_EDIT) {
    CopyCanvasView(surface, 0, kEditAreaWidth, kEditAreaHeight);
  } else {
    const PictureSize shown = ShownPictureSize(AppState.LargeSize);
    CopyCanvasView(surface, kArtTop, shown.width, shown.height);
  }
  ReleaseDC(window, surface);
}

void DestroyMainWindowContents() {
  DeleteObject(AppState.ControlFont);
  DestroyCanvas(AppState.Canvas);
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateMainWindowContents(window);
      return 0;
    case WM_DESTROY:
      DestroyMainWindowContents();
      return 0;
    case WM_SIZE:
      AppState.ClientWidth = LOWORD(lParam);
      AppState.ClientHeight = HIWORD(lParam);
      return 0;
    case WM_PAINT:
      Repaint(window);
      return 0;
    case WM_CLOSE:
      if (ConfirmDiscard(window)) DestroyWindow(window);
      return 0;
    case WM_COMMAND:
      return HandleCommand(window, wParam, lParam);
    case WM_MOUSEMOVE:
      HandleMouseMove(window, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      if (!PickPaletteColor(window, MouseButton::Left)) HandleButtonDown(window, MouseButton::Left);
      return 0;
    case WM_LBUTTONUP:
      HandleButtonUp(MouseButton::Left);
      return 0;
    case WM_RBUTTONDOWN:
      if (!PickPaletteColor(window, MouseButton::Right))
        HandleButtonDown(window, MouseButton::Right);
      return 0;
    case WM_RBUTTONUP:
      HandleButtonUp(MouseButton::Right);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
