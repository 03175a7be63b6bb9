#include "support/program_window.h"

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/drawing.h"
#include "editor/cell_grid.h"
#ifndef _WIN32
#include "platform/headless/headless.h"
#endif
#include "shell/control_panel.h"

namespace testing_support {
namespace {

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SIZE) {
    AppState.ClientWidth = LOWORD(lParam);
    AppState.ClientHeight = HIWORD(lParam);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND MakeProgramWindow() {
#ifndef _WIN32
  headless::Reset();  // real windows need no reset: every test case runs in a process of its own
#endif
  AppState = AppStateRecord{};
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelmoraTestWindow";
  RegisterClassExA(&wc);
  HWND window = CreateWindowExA(0, "VelmoraTestWindow", "test", WS_OVERLAPPEDWINDOW, 60, 60, 504,
                                486, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  AppState.Canvas = CreateCanvas(window, kCanvasWidth, kCanvasHeight);
  SetInitialAppState();
  ClearCanvas(AppState.Canvas);
  DrawEmptyGrid();
  AppState.FirstPaintDone = 1;
  return window;
}

HWND AddDotColorList(HWND window, int selection) {
  AppState.DotColorList =
      CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 224, 8, 60, 160,
                      window, nullptr, nullptr, nullptr);
  FillDotColorList();
  SendMessageA(AppState.DotColorList, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
  return AppState.DotColorList;
}

void DestroyProgramWindow(HWND window) {
  DestroyCanvas(AppState.Canvas);
  AppState.Canvas = nullptr;
  DestroyWindow(window);
}

COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

std::vector<COLORREF> CanvasRows(int first, int last) {
  std::vector<COLORREF> pixels;
  for (int y = first; y <= last; ++y)
    for (int x = 0; x < kCanvasWidth; ++x) pixels.push_back(GetPixel(AppState.Canvas, x, y));
  return pixels;
}

}  // namespace testing_support
