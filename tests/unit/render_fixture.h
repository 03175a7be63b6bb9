// Shared set-up of the renderer's tests: a program window with its Canvas and empty grid, the
// dot-colour list as the control panel makes it, and a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "support/program_window.h"

namespace render_testing {

// The list's entries in index order: black, blue, red, magenta, green, cyan, yellow, white.
inline constexpr const char* kDotColorEntries[8] = {"黒",   "青",   "赤",   "桃色",
                                                    "緑色", "水色", "黄色", "白"};
inline constexpr int kCyan = 5;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = testing_support::MakeProgramWindow();
    dotList = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 400, 8,
                              80, 200, window, nullptr, nullptr, nullptr);
    for (const char* entry : kDotColorEntries)
      SendMessageA(dotList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SelectDotColor(kCyan);
    AppState.DotColorList = dotList;
    SetFixedCalendarSeconds(1234567);
  }
  void TearDown() override {
    UseRealCalendarClock();
    testing_support::DestroyProgramWindow(window);
  }

  // -1 (as WPARAM) leaves nothing selected.
  void SelectDotColor(int index) {
    SendMessageA(dotList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }

  // Paints every drawable cell (columns 4..35, rows 0..29) with one level.
  static void PaintField(int level) {
    for (int row = 0; row < kGridRows; ++row)
      for (int column = kFieldFirstColumn; column <= kFieldLastColumn; ++column)
        PaintCell(column * kCellSize, row * kCellSize, level);
  }

  // Canvas rows first..last, all 600 columns, row by row.
  static std::vector<COLORREF> CanvasRows(int first, int last) {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(last - first + 1) * kCanvasWidth);
    for (int y = first; y <= last; ++y)
      for (int x = 0; x < kCanvasWidth; ++x) pixels.push_back(GetPixel(AppState.Canvas, x, y));
    return pixels;
  }
  static std::vector<COLORREF> ArtArea() { return CanvasRows(kArtTop, kCanvasHeight - 1); }

  HWND window = nullptr;
  HWND dotList = nullptr;
};

}  // namespace render_testing
