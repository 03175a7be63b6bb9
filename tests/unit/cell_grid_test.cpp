// The depth grid: the empty grid, painting a cell and reading it back.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class CellGridTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }
  HWND window = nullptr;
};

TEST_F(CellGridTest, FreshGridHoldsLevelZeroEverywhere) {
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      ASSERT_EQ(ReadCellLevel(column, row), 0) << column << "," << row;
}

// A cell's interior only: the lines at either side stay white, the top edge (no line) black.
TEST_F(CellGridTest, PaintCellFillsOnlyTheInteriorAndEveryLevelReadsBack) {
  PaintCell(48, 0, 1);
  for (int y = 0; y <= 12; ++y)
    for (int x = 48; x <= 60; ++x) {
      const bool interior = x > 48 && x < 60 && y > 0 && y < 12;
      ASSERT_EQ(CanvasPixel(x, y), interior           ? DepthColorRef(1)
                                   : y == 0 && x % 12 ? 0u
                                                      : kWhite)
          << x << "," << y;
    }
  for (int level = 0; level < kDepthLevels; ++level) {
    for (auto [c, r] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{4, 29}, std::pair{35, 0}}) {
      PaintCell(12 * c, 12 * r, level);
      EXPECT_EQ(ReadCellLevel(c, r), level) << c << "," << r;
    }
  }
  SetPixel(AppState.Canvas, 12 * 7 + 6, 12 * 3 + 6, RGB(1, 2, 3));  // no depth colour
  EXPECT_EQ(ReadCellLevel(7, 3), kNoLevel);
}

}  // namespace
