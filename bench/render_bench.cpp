// The renderer's run time in both sizes, against three floors: the least work that leaves the
// same pixels, the same pixels made by the renderer's calls in the renderer's order straight on
// memory (both in least_work_render.h), and one memcpy of the ArtArea's bytes. Set-up (headless
// window, Canvas, painted grid, dot list, fixed clock) happens once; each iteration is one whole
// RenderStereogram, window clear and show included. Before anything is timed, the renderer and
// both references are run on the same input and must leave the same pixels, in the Canvas and
// in the window; the run stops otherwise. At the end the ratios are printed, from the medians
// when the run has repetitions.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "least_work_render.h"
#include "platform/clock.h"
#include "platform/raster/line_aligned.h"
#include "render/dot_palette.h"
#include "render/stereogram.h"
#include "support/program_window.h"

namespace {

constexpr std::uint32_t kSeed = 1718000000u;
constexpr int kDotColor = 5;

std::uint32_t PixelOf(COLORREF c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

// A window as the program has it after its first paint, with a grid of every level painted.
HWND ProgramWindow() {
  static HWND window = [] {
    HWND w = testing_support::MakeProgramWindow();
    testing_support::AddDotColorList(w, kDotColor);
    for (int row = 0; row < kGridRows; ++row)
      for (int column = kFieldFirstColumn; column <= kFieldLastColumn; ++column)
        PaintCell(column * kCellSize, row * kCellSize, (row / 4 + column / 5) % 8);
    SetFixedCalendarSeconds(kSeed);
    return w;
  }();
  return window;
}

least_work::Inputs ReferenceInputs(bool large, bool window) {
  ProgramWindow();
  least_work::Inputs in;
  in.editArea.resize(480 * 360);
  for (int y = 0; y < 360; ++y)
    for (int x = 0; x < 480; ++x)
      in.editArea[y * 480 + x] = PixelOf(GetPixel(AppState.Canvas, x, y));
  for (int level = 0; level < 8; ++level) in.depthColors[level] = PixelOf(DepthColorRef(level));
  const DotPalette palette = BuildDotPalette(kDotColor, AppState.Bright);
  for (int j = 0; j < 16; ++j) in.dots[j] = PixelOf(palette.colors[j]);
  in.seed = kSeed;
  in.large = large;
  in.markersInside = AppState.MarkersInside;
  in.clientWidth = AppState.ClientWidth;
  in.clientHeight = AppState.ClientHeight;
  in.window = window;
  return in;
}

least_work::Outputs ReferenceOutputs(const least_work::Inputs& in) {
  least_work::Outputs out;
  out.art.assign(least_work::kWidth * least_work::kHeight, 0);
  out.client.assign(static_cast<std::size_t>(in.clientWidth) * in.clientHeight, 0);
  return out;
}

// Both sizes: the renderer and both references must leave the same ArtArea and the same window
// below the control rows.
bool ReferencesMatchRenderer() {
  HWND window = ProgramWindow();
  for (bool large : {false, true}) {
    AppState.LargeSize = large;
    RenderStereogram(window);
    const least_work::Inputs in = ReferenceInputs(large, true);
    for (auto [name, render] : {std::pair{"least-work", &least_work::Render},
                                std::pair{"call-order", &least_work::RenderInCallOrder}}) {
      least_work::Outputs out = ReferenceOutputs(in);
      render(in, least_work::MakeMarkerSpans(), out);
      HDC client = GetDC(window);
      auto differs = [&](const char* where, int x, int y, COLORREF got, std::uint32_t floor) {
        if (PixelOf(got) == floor) return false;
        std::fprintf(stderr,
                     "%s size: the %s reference differs from the renderer at %s (%d, %d): "
                     "renderer %06x, reference %06x\n",
                     large ? "large" : "normal", name, where, x, y, PixelOf(got), floor);
        return true;
      };
      bool same = true;
      for (int y = 0; same && y < least_work::kHeight; ++y)
        for (int x = 0; same && x < least_work::kWidth; ++x)
          same = !differs("Canvas", x, y + kArtTop, GetPixel(AppState.Canvas, x, y + kArtTop),
                          out.art[y * least_work::kWidth + x]);
      for (int y = least_work::kViewTop; same && y < in.clientHeight; ++y)
        for (int x = 0; same && x < in.clientWidth; ++x)
          same =
              !differs("client", x, y, GetPixel(client, x, y), out.client[y * in.clientWidth + x]);
      ReleaseDC(window, client);
      if (!same) return false;
    }
  }
  return true;
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

using ReferenceRender = void (*)(const least_work::Inputs&, const least_work::MarkerSpans&,
                                 least_work::Outputs&);

void TimeReference(benchmark::State& state, ReferenceRender render, bool window) {
  const least_work::Inputs in = ReferenceInputs(state.range(0) != 0, window);
  least_work::Outputs out = ReferenceOutputs(in);
  const least_work::MarkerSpans marker = least_work::MakeMarkerSpans();
  for (auto _ : state) {
    render(in, marker, out);
    benchmark::DoNotOptimize(out.art.data());
    benchmark::DoNotOptimize(out.client.data());
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::string(state.range(0) ? "large" : "normal") +
                 (window ? "" : ", ArtArea only"));
}

// Arguments: size (0 normal, 1 large), and whether the window's grey and show are included.
void BM_LeastWork(benchmark::State& state) {
  TimeReference(state, least_work::Render, state.range(1) != 0);
}
BENCHMARK(BM_LeastWork)
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Unit(benchmark::kMicrosecond);

// The renderer's calls done straight on memory, window included. Argument: size.
void BM_CallOrder(benchmark::State& state) {
  TimeReference(state, least_work::RenderInCallOrder, true);
}
BENCHMARK(BM_CallOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One pass over the ArtArea's bytes (600 x 466 pixels of 4 bytes).
void BM_CopyArtAreaBytes(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kCanvasWidth) * (kCanvasHeight - kArtTop) * 4;
  raster::LineAlignedVector<unsigned char> from(bytes, 1), to(bytes, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(from.data());
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CopyArtAreaBytes)->Unit(benchmark::kMicrosecond);

// Keeps the CPU time of every benchmark: the median when there are repetitions, else the run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does by default.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median" ||
          (run.aggregate_name.empty() && !medians_.count(run.run_name.str())))
        cpu_[run.run_name.str()] = run.GetAdjustedCPUTime();
      if (run.aggregate_name == "median") medians_[run.run_name.str()] = true;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    const auto copy = cpu_.find("BM_CopyArtAreaBytes");
    for (const char* size : {"0", "1"}) {
      const auto render = cpu_.find(std::string("BM_RenderStereogram/") + size);
      const auto floor = cpu_.find(std::string("BM_LeastWork/") + size + "/1");
      const auto calls = cpu_.find(std::string("BM_CallOrder/") + size);
      if (render == cpu_.end()) continue;
      std::printf("render %s:", *size == '1' ? "large " : "normal");
      if (floor != cpu_.end())
        std::printf(" %.2fx the least work (%.1f / %.1f us)", render->second / floor->second,
                    render->second, floor->second);
      if (calls != cpu_.end())
        std::printf(", %.2fx its calls straight on memory (%.1f us", render->second / calls->second,
                    calls->second);
      if (calls != cpu_.end() && floor != cpu_.end())
        std::printf(", %.2fx the least work", calls->second / floor->second);
      if (calls != cpu_.end()) std::printf(")");
      if (copy != cpu_.end())
        std::printf(", %.2fx memcpy of the ArtArea (%.1f us)", render->second / copy->second,
                    copy->second);
      std::printf("\n");
    }
  }

 private:
  std::map<std::string, double> cpu_;
  std::map<std::string, bool> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!ReferencesMatchRenderer()) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
