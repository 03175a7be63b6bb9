// The program's drawing operations on the Canvas: coverage, colours, and that every pen,
// brush and font they make is gone when they return.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/drawing.h"
#include "platform/headless/headless_text.h"
#include "platform/raster/surface.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

class CanvasDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = MakeProgramWindow();
    objects = raster::LiveObjectCount();
  }
  void TearDown() override { DestroyProgramWindow(window); }
  HWND window = nullptr;
  int objects = 0;
};

TEST_F(CanvasDrawingTest, CanvasIsTheFullSizeAndGreyAfterTheFirstPaintFill) {
  EXPECT_EQ(CanvasPixel(599, 825), RGB(192, 192, 192));
  EXPECT_EQ(CanvasPixel(480, 0), RGB(192, 192, 192));
  EXPECT_EQ(CanvasPixel(600, 0), CLR_INVALID);
  EXPECT_EQ(CanvasPixel(0, 826), CLR_INVALID);
}

TEST_F(CanvasDrawingTest, FilledRectCoversUpToButNotIncludingItsFarEdges) {
  DrawFilledRect(AppState.Canvas, 0, 0, 480, 360, 255, 0, 255);
  EXPECT_EQ(CanvasPixel(0, 0), 255u + 255u * 65536u);
  EXPECT_EQ(CanvasPixel(479, 359), 255u + 255u * 65536u);
  EXPECT_EQ(CanvasPixel(480, 100), RGB(192, 192, 192));
  EXPECT_EQ(CanvasPixel(100, 360), RGB(255, 255, 255));      // the grid's last line stays
  DrawFilledRect(AppState.Canvas, 10, 10, 5, 5, 0, 0, 255);  // corners swapped
  EXPECT_EQ(CanvasPixel(5, 5), 255u * 65536u);
  EXPECT_EQ(CanvasPixel(9, 9), 255u * 65536u);
  EXPECT_EQ(CanvasPixel(10, 10), 255u + 255u * 65536u);
  DrawFilledRect(AppState.Canvas, 0, 0, 4, 4, 256, 0, 0);  // 256 keeps 8 bits: black
  EXPECT_EQ(CanvasPixel(1, 1), 0u);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST_F(CanvasDrawingTest, FramedRectHasAOnePixelOutline) {
  HDC dc = GetDC(window);
  DrawFilledRect(dc, 100, 30, 140, 60, 255, 255, 255);
  DrawFramedRect(dc, 108, 34, 128, 52, 0, 0, 0, 255, 255, 0);
  for (int y = 34; y <= 51; ++y) {
    EXPECT_EQ(ClientPixel(window, 108, y), 0u);
    EXPECT_EQ(ClientPixel(window, 127, y), 0u);
  }
  for (int x = 108; x <= 127; ++x) {
    EXPECT_EQ(ClientPixel(window, x, 34), 0u);
    EXPECT_EQ(ClientPixel(window, x, 51), 0u);
  }
  for (int y = 35; y <= 50; ++y)
    for (int x = 109; x <= 126; ++x) ASSERT_EQ(ClientPixel(window, x, y), RGB(255, 255, 0));
  EXPECT_NE(ClientPixel(window, 128, 40), 0u);
  EXPECT_NE(ClientPixel(window, 120, 52), 0u);
  ReleaseDC(window, dc);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST_F(CanvasDrawingTest, LinesUseThePenBetweenSelectAndRestore) {
  SelectPenBrush(AppState.Canvas, 255, 0, 0);
  DrawLine(AppState.Canvas, 500, 10, 500, 20);
  DrawLine(AppState.Canvas, 510, 30, 520, 30);
  RestorePenBrush(AppState.Canvas);
  EXPECT_EQ(CanvasPixel(500, 10), RGB(255, 0, 0));
  EXPECT_EQ(CanvasPixel(500, 19), RGB(255, 0, 0));
  EXPECT_EQ(CanvasPixel(500, 20), RGB(192, 192, 192));
  EXPECT_EQ(CanvasPixel(519, 30), RGB(255, 0, 0));
  EXPECT_EQ(CanvasPixel(520, 30), RGB(192, 192, 192));
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST_F(CanvasDrawingTest, EllipseWithSwappedCornersStaysInItsBox) {
  DrawFilledEllipse(AppState.Canvas, 280, 724, 276, 732, 0, 0, 0);
  int black = 0;
  for (int y = 720; y < 736; ++y)
    for (int x = 270; x < 290; ++x)
      if (CanvasPixel(x, y) == 0) {
        ++black;
        EXPECT_TRUE(x >= 276 && x <= 279 && y >= 724 && y <= 731) << x << "," << y;
      }
  EXPECT_GT(black, 16);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST_F(CanvasDrawingTest, LabelDrawsWithItsOwnFontAndLeavesNothingBehind) {
  headless::ClearTextCalls();
  HDC dc = GetDC(window);
  DrawLabel(dc, 8, 38, 6, 12, 0, "編集色　（奥）←");
  ReleaseDC(window, dc);
  ASSERT_EQ(headless::TextCalls().size(), 1u);
  const headless::TextCall& call = headless::TextCalls()[0];
  EXPECT_EQ(call.window, window);
  EXPECT_EQ(call.x, 8);
  EXPECT_EQ(call.y, 38);
  EXPECT_EQ(call.text, "編集色　（奥）←");
  EXPECT_EQ(call.color, 0u);
  EXPECT_EQ(call.bkMode, TRANSPARENT);
  EXPECT_EQ(call.font.lfHeight, 12);
  EXPECT_EQ(call.font.lfWidth, 6);
  EXPECT_EQ(call.font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(call.font.lfOutPrecision, OUT_TT_PRECIS);
  EXPECT_EQ(call.font.lfQuality, DRAFT_QUALITY);
  EXPECT_EQ(call.font.lfPitchAndFamily, FIXED_PITCH | FF_ROMAN);
  EXPECT_STREQ(call.font.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST(CanvasLifetime, CreateAndDestroyLeaveNoObjects) {
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  HDC canvas = CreateCanvas(nullptr, 600, 826);
  EXPECT_EQ(GetPixel(canvas, 599, 825), 0u);
  EXPECT_EQ(GetPixel(canvas, 600, 825), CLR_INVALID);
  DestroyCanvas(canvas);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

TEST(AppStateInitialValues, AFreshWindowStartsInTheEditViewWithBlueAndRed) {
  AppState = AppStateRecord{};
  EXPECT_EQ(AppState.DataSaved, 0);  // process start: everything zero
  SetInitialAppState();
  EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
  EXPECT_EQ(AppState.DataSaved, 1);
  EXPECT_EQ(AppState.LeftColor, 1);
  EXPECT_EQ(AppState.RightColor, 2);
  EXPECT_EQ(AppState.LeftDown + AppState.RightDown, 0);
  EXPECT_EQ(AppState.LargeSize + AppState.Bright + AppState.MarkersInside, 0);
  EXPECT_EQ(AppState.FirstPaintDone, 0);
}

}  // namespace
