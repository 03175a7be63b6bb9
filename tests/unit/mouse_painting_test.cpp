// The mouse in the edit view: picking colours on the palette bar; painting: the press area, the
// drag area, both buttons, the flags.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "editor/mouse_painting.h"
#include "editor/palette_bar.h"
#include "support/program_window_test.h"

using namespace testing_support;

namespace {

class MousePaintingTest : public ProgramWindowTest {
 protected:
  // Positions arrive as the backends deliver them: low word x, high word y.
  void MoveTo(int x, int y) { HandleMouseMove(window, MAKELPARAM(x, y)); }
  void PressAt(int x, int y, MouseButton b = MouseButton::Left) {
    MoveTo(x, y);
    HandleButtonDown(window, b);
  }
  static std::vector<COLORREF> CanvasPixels() { return CanvasRows(0, kCanvasHeight - 1); }
};

TEST_F(MousePaintingTest, PressAreaBordersAndTheLinesBetweenColumns) {
  PressAt(57, 58);
  EXPECT_EQ(ReadCellLevel(4, 0), 1);
  PressAt(439, 417);
  EXPECT_EQ(ReadCellLevel(35, 29), 1);
  PressAt(68, 100);  // on the line between columns 4 and 5
  EXPECT_EQ(ReadCellLevel(5, 3), 1);
  EXPECT_EQ(ClientPixel(window, 8 + 66, 58 + 42), RGB(0, 0, 255));  // shown at once
  HandleButtonUp(MouseButton::Left);
  const std::vector<COLORREF> canvas = CanvasPixels();
  for (auto [x, y] : {std::pair{56, 58}, std::pair{440, 417}, std::pair{439, 418},
                      std::pair{100, 57}, std::pair{0, 0}}) {
    AppState.DataSaved = 1;
    PressAt(x, y);
    EXPECT_EQ(std::pair(AppState.LeftDown, AppState.DataSaved), std::pair(0, 1)) << x << "," << y;
  }
  EXPECT_TRUE(CanvasPixels() == canvas);
}

TEST_F(MousePaintingTest, DragAreaReachesTheMarginsButNoFurther) {
  PressAt(200, 200);
  MoveTo(9, 200);
  EXPECT_EQ(ReadCellLevel(0, (200 - 58) / 12), 1);
  MoveTo(487, 70);
  EXPECT_EQ(ReadCellLevel(39, 1), 1);
  // Just outside, a cell would land on fresh cells or off the grid, so the whole Canvas is kept.
  const std::vector<COLORREF> canvas = CanvasPixels();
  for (auto [x, y] :
       {std::pair{8, 100}, std::pair{488, 100}, std::pair{200, 418}, std::pair{200, 57}})
    MoveTo(x, y);
  HandleMouseMove(window, MAKELPARAM(-5, -1));  // negative: stored as 65536 plus it
  EXPECT_EQ(std::pair(AppState.MouseX, AppState.MouseY), std::pair(65531, 65535));
  EXPECT_TRUE(CanvasPixels() == canvas);
  MoveTo(300, 300);  // coming back while the button is still held paints again
  EXPECT_EQ(ReadCellLevel((300 - 8) / 12, (300 - 58) / 12), 1);
}

TEST_F(MousePaintingTest, BothButtonsHeldEndInTheRightColour) {
  AppState.LeftColor = 4;
  AppState.RightColor = 6;
  PressAt(100, 100, MouseButton::Left);
  PressAt(300, 300, MouseButton::Right);
  MoveTo(200, 200);
  EXPECT_EQ(ReadCellLevel((200 - 8) / 12, (200 - 58) / 12), 6);
  HandleButtonUp(MouseButton::Right);
  MoveTo(212, 200);
  EXPECT_EQ(ReadCellLevel((212 - 8) / 12, (200 - 58) / 12), 4);
}

// Every press in the field is an edit, even on a cell of the same colour; a drag is not. (That
// the picture view takes no press, the program session checks.) A release in the picture view
// still ends a drag.
TEST_F(MousePaintingTest, FlagsAndSavedStateFollowPressesReleasesAndTheView) {
  PressAt(150, 150);
  EXPECT_EQ(std::pair(AppState.LeftDown, AppState.DataSaved), std::pair(1, 0));
  AppState.DataSaved = 1;
  MoveTo(150, 150);
  EXPECT_EQ(AppState.DataSaved, 1);
  PressAt(150, 150);
  EXPECT_EQ(AppState.DataSaved, 0);
  AppState.ViewMode = VIEW_ART;
  MoveTo(300, 300);
  EXPECT_EQ(ReadCellLevel((300 - 8) / 12, (300 - 58) / 12), 0);
  HandleButtonUp(MouseButton::Left);
  EXPECT_EQ(AppState.LeftDown, 0);
}

// A press on the palette bar picks the level under it, up to the swatches' outlines, and
// touches nothing but the pressed button's colour.
TEST_F(MousePaintingTest, PaletteBarPickZonesEndAtTheOutlinesAndPicksAreNoEdit) {
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
  EXPECT_EQ(ClientPixel(window, 335, 40), DepthColorRef(2));
}

}  // namespace
