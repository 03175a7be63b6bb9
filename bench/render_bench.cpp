// The renderer's run time in both sizes, against the floor of copying the ArtArea's bytes once.
// Set-up (headless window, Canvas, painted grid, dot list, fixed clock) happens once; each
// iteration is one whole RenderStereogram, window clear and show included.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/drawing.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "platform/headless/headless.h"
#include "render/stereogram.h"

namespace {

LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SIZE) {
    AppState.ClientWidth = LOWORD(lParam);
    AppState.ClientHeight = HIWORD(lParam);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A window as the program has it after its first paint, with a grid of every level painted.
HWND ProgramWindow() {
  static HWND window = [] {
    headless::Reset();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = BenchWindowProc;
    wc.lpszClassName = "VelmoraBenchWindow";
    RegisterClassExA(&wc);
    HWND w = CreateWindowExA(0, "VelmoraBenchWindow", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 504, 486,
                             nullptr, nullptr, nullptr, nullptr);
    ShowWindow(w, SW_SHOWNORMAL);
    AppState.Canvas = CreateCanvas(w, kCanvasWidth, kCanvasHeight);
    SetInitialAppState();
    DrawFilledRect(AppState.Canvas, 0, 0, 640, 1456, 192, 192, 192);
    DrawEmptyGrid();
    HWND list = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 400, 8,
                                80, 200, w, nullptr, nullptr, nullptr);
    for (const char* entry : {"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"})
      SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SendMessageA(list, CB_SETCURSEL, 5, 0);
    AppState.DotColorList = list;
    for (int row = 0; row < kGridRows; ++row)
      for (int column = kFieldFirstColumn; column <= kFieldLastColumn; ++column)
        PaintCell(column * kCellSize, row * kCellSize, (row / 4 + column / 5) % 8);
    SetFixedCalendarSeconds(1718000000u);
    return w;
  }();
  return window;
}

void BM_RenderStereogram(benchmark::State& state) {
  HWND window = ProgramWindow();
  AppState.LargeSize = static_cast<int>(state.range(0));
  for (auto _ : state) {
    RenderStereogram(window);
    benchmark::ClobberMemory();
  }
  state.SetLabel(state.range(0) ? "large" : "normal");
}
BENCHMARK(BM_RenderStereogram)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The floor: one pass over the ArtArea's bytes (600 x 466 pixels of 4 bytes).
void BM_CopyArtAreaBytes(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kCanvasWidth) * (kCanvasHeight - kArtTop) * 4;
  std::vector<unsigned char> from(bytes, 1), to(bytes, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(from.data());
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CopyArtAreaBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
