// The depth grid: its fresh state, painting a cell, reading it back.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

class CellGridTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }
  HWND window = nullptr;
};

TEST_F(CellGridTest, FreshGridReadsBackLevelZeroEverywhere) {
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      ASSERT_EQ(ReadCellLevel(column, row), 0) << column << "," << row;
}

TEST_F(CellGridTest, EveryLevelPaintsAndReadsBack) {
  for (int level = 0; level < kDepthLevels; ++level) {
    PaintCell(12 * 10, 12 * 7, level);
    EXPECT_EQ(ReadCellLevel(10, 7), level);
  }
}

}  // namespace
