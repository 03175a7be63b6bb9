// The depth grid: the empty grid and each level painted into a cell and read back.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "support/program_window_test.h"

using namespace testing_support;

namespace {

using CellGridTest = ProgramWindowTest;

TEST_F(CellGridTest, FreshGridHoldsLevelZeroEverywhere) {
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      ASSERT_EQ(ReadCellLevel(column, row), 0) << column << "," << row;
}

TEST_F(CellGridTest, EveryLevelReadsBackAndACentreOfNoDepthColourHasNoLevel) {
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
