// The palette bar: where a press picks which level, and that a pick touches nothing but the
// pressed button's colour.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "editor/depth_colors.h"
#include "editor/palette_bar.h"
#include "support/program_window_test.h"

using namespace testing_support;

namespace {

class PaletteBarTest : public ProgramWindowTest {
 protected:
  COLORREF At(int x, int y) { return ClientPixel(window, x, y); }
};

TEST_F(PaletteBarTest, PickZonesEndAtTheOutlinesAndPicksAreNoEdit) {
  const struct {
    int x, y, level;  // level -1: the press is not taken
  } cases[] = {
      {109, 35, 0}, {108, 40, -1}, {123, 40, 0},  {124, 40, 1},  {139, 51, 1},  {140, 35, 2},
      {220, 40, 7}, {235, 51, 7},  {236, 40, -1}, {150, 34, -1}, {150, 52, -1}, {335, 40, -1},
  };
  for (const auto& c : cases) {
    AppState.LeftColor = AppState.RightColor = 4;
    AppState.DataSaved = 0;
    AppState.MouseX = c.x;
    AppState.MouseY = c.y;
    EXPECT_EQ(PickPaletteColor(window, MouseButton::Right), c.level >= 0) << c.x << "," << c.y;
    EXPECT_EQ(std::tuple(AppState.RightColor, AppState.LeftColor, AppState.DataSaved),
              std::tuple(c.level >= 0 ? c.level : 4, 4, 0))
        << c.x << "," << c.y;
  }
  // A left pick shows in the left indicator at once.
  AppState.MouseX = 150;
  EXPECT_EQ(PickPaletteColor(window, MouseButton::Left), 1);
  EXPECT_EQ(At(335, 40), DepthColorRef(2));
}

}  // namespace
