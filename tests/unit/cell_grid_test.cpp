// The depth grid: the empty grid's lines, painting a cell, reading it back, and showing it.
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

TEST_F(CellGridTest, FreshGridIsBlackWithWhiteLinesOnlyInsideTheField) {
  for (int y = 0; y <= 360; ++y) {
    for (int x = 0; x < 480; ++x) {
      const bool vertical = y < 360 && x >= 48 && x <= 432 && (x - 48) % 12 == 0;
      const bool horizontal = y >= 12 && y % 12 == 0 && x >= 48 && x < 432;
      const COLORREF want = vertical || horizontal ? kWhite : y == 360 ? RGB(192, 192, 192) : 0;
      ASSERT_EQ(CanvasPixel(x, y), want) << x << "," << y;
    }
  }
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      ASSERT_EQ(ReadCellLevel(column, row), 0) << column << "," << row;
}

TEST_F(CellGridTest, PaintCellFillsOnlyTheInterior) {
  PaintCell(48, 0, 7);
  for (int y = 1; y <= 11; ++y)
    for (int x = 49; x <= 59; ++x) ASSERT_EQ(CanvasPixel(x, y), kWhite) << x << "," << y;
  EXPECT_EQ(CanvasPixel(48, 5), kWhite);   // line, was white
  EXPECT_EQ(CanvasPixel(60, 5), kWhite);   // line, was white
  EXPECT_EQ(CanvasPixel(54, 0), 0u);       // no line along the top: stays black
  EXPECT_EQ(CanvasPixel(54, 12), kWhite);  // line below
  PaintCell(48, 0, 1);
  EXPECT_EQ(CanvasPixel(54, 0), 0u);
  EXPECT_EQ(CanvasPixel(48, 5), kWhite);
  EXPECT_EQ(ReadCellLevel(4, 0), 1);
}

TEST_F(CellGridTest, EveryLevelReadsBackInEveryCorner) {
  for (int level = 0; level < kDepthLevels; ++level) {
    for (auto [c, r] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{4, 29}, std::pair{35, 0}}) {
      PaintCell(12 * c, 12 * r, level);
      EXPECT_EQ(ReadCellLevel(c, r), level) << c << "," << r;
    }
  }
}

TEST_F(CellGridTest, ACentreOfNoDepthColourHasNoLevel) {
  SetPixel(AppState.Canvas, 12 * 7 + 6, 12 * 3 + 6, RGB(1, 2, 3));
  EXPECT_EQ(ReadCellLevel(7, 3), kNoLevel);
}

TEST_F(CellGridTest, ShowEditAreaCopiesTheGridToTheOrigin) {
  PaintCell(12 * 5, 12 * 2, 6);
  ShowEditArea(window);
  for (int y = 0; y < 360; y += 7)
    for (int x = 0; x < 480; x += 5)
      ASSERT_EQ(ClientPixel(window, 8 + x, 58 + y), CanvasPixel(x, y)) << x << "," << y;
  EXPECT_EQ(ClientPixel(window, 8 + 480, 58), 0u);  // nothing copied beyond the EditArea
  EXPECT_EQ(ClientPixel(window, 8, 58 + 360), 0u);
}

}  // namespace
