// Painting with the mouse: the press area, the drag area, both buttons, the flags.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "editor/mouse_painting.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

class MousePaintingTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }

  void MoveTo(int x, int y) { HandleMouseMove(window, PointerAt(x, y)); }
  void PressAt(int x, int y, MouseButton b = MouseButton::Left) {
    MoveTo(x, y);
    HandleButtonDown(window, b);
  }
  int PaintedCells() {
    int n = 0;
    for (int r = 0; r < kGridRows; ++r)
      for (int c = 0; c < kGridColumns; ++c) n += ReadCellLevel(c, r) != 0;
    return n;
  }
  HWND window = nullptr;
};

TEST_F(MousePaintingTest, PressAreaBordersAndTheLinesBetweenColumns) {
  PressAt(57, 58);
  EXPECT_EQ(ReadCellLevel(4, 0), 1);
  PressAt(439, 417);
  EXPECT_EQ(ReadCellLevel(35, 29), 1);
  PressAt(68, 100);  // on the line between columns 4 and 5
  EXPECT_EQ(ReadCellLevel(5, 3), 1);
  EXPECT_EQ(ClientPixel(window, 8 + 66, 58 + 42), RGB(0, 0, 255));  // shown at once
  EXPECT_EQ(PaintedCells(), 3);
  HandleButtonUp(MouseButton::Left);
  for (auto [x, y] : {std::pair{56, 58}, std::pair{440, 417}, std::pair{439, 418},
                      std::pair{100, 57}, std::pair{0, 0}}) {
    AppState.DataSaved = 1;
    PressAt(x, y);
    EXPECT_EQ(AppState.DataSaved, 1) << x << "," << y;
    EXPECT_EQ(AppState.LeftDown, 0) << x << "," << y;
  }
  EXPECT_EQ(PaintedCells(), 3);
}

TEST_F(MousePaintingTest, DragAreaReachesTheMarginsButNoFurther) {
  PressAt(200, 200);
  MoveTo(9, 200);
  EXPECT_EQ(ReadCellLevel(0, (200 - 58) / 12), 1);
  MoveTo(487, 70);
  EXPECT_EQ(ReadCellLevel(39, 1), 1);
  const int painted = PaintedCells();
  for (auto [x, y] :
       {std::pair{8, 200}, std::pair{488, 200}, std::pair{200, 418}, std::pair{200, 57}}) {
    MoveTo(x, y);
    EXPECT_EQ(PaintedCells(), painted) << x << "," << y;
  }
  HandleMouseMove(window, PointerAt(-5, -1));  // negative: stored as 65536 plus it
  EXPECT_EQ(AppState.MouseX, 65531);
  EXPECT_EQ(AppState.MouseY, 65535);
  EXPECT_EQ(PaintedCells(), painted);
  MoveTo(300, 300);  // coming back while the button is still held paints again
  EXPECT_EQ(PaintedCells(), painted + 1);
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

TEST_F(MousePaintingTest, FlagsAndSavedStateFollowPressesAndReleases) {
  HandleButtonUp(MouseButton::Left);  // a release without a press
  EXPECT_EQ(AppState.LeftDown, 0);
  PressAt(100, 100);
  PaintCell(0, 0, 0);
  EXPECT_EQ(AppState.DataSaved, 0);
  EXPECT_EQ(AppState.LeftDown, 1);
  AppState.DataSaved = 1;
  MoveTo(150, 150);  // a drag does not change the saved flag
  EXPECT_EQ(AppState.DataSaved, 1);
  PressAt(150, 150);  // a press on a cell of the same colour still counts as an edit
  EXPECT_EQ(AppState.DataSaved, 0);
  AppState.ViewMode = VIEW_ART;
  HandleButtonUp(MouseButton::Left);  // released in the picture view: still cleared
  EXPECT_EQ(AppState.LeftDown, 0);
}

TEST_F(MousePaintingTest, ThePictureViewNeitherPaintsNorStartsADrag) {
  AppState.ViewMode = VIEW_ART;
  PressAt(200, 200);
  EXPECT_EQ(AppState.LeftDown, 0);
  EXPECT_EQ(AppState.DataSaved, 1);
  AppState.ViewMode = VIEW_EDIT;
  PressAt(200, 200);
  AppState.ViewMode = VIEW_ART;
  const int painted = PaintedCells();
  MoveTo(300, 300);
  EXPECT_EQ(PaintedCells(), painted);
}

}  // namespace
