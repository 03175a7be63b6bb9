// The renderer's run time in both sizes, against the floor of copying the ArtArea's bytes once.
// Set-up (headless window, Canvas, painted grid, dot list, fixed clock) happens once; each
// iteration is one whole RenderStereogram, window clear and show included.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "render/stereogram.h"
#include "support/program_window.h"

namespace {

// A window as the program has it after its first paint, with a grid of every level painted.
HWND ProgramWindow() {
  static HWND window = [] {
    HWND w = testing_support::MakeProgramWindow();
    testing_support::AddDotColorList(w, 5);
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
