// The program's drawing operations: coverage on the Canvas, the label's font, and that every
// pen, brush, font and surface they make is gone when they return.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/drawing.h"
#include "platform/headless/headless_text.h"
#include "platform/raster/surface.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192), kRed = RGB(255, 0, 0);

TEST(CanvasDrawing, OperationsCoverTheirPixelsAndLeaveNoObjectsBehind) {
  HWND window = MakeProgramWindow();
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  EXPECT_EQ(CanvasPixel(599, 825), kGrey);  // the whole 600 x 826 Canvas was filled
  EXPECT_EQ(CanvasPixel(600, 0), CLR_INVALID);

  DrawFilledRect(AppState.Canvas, 0, 0, 480, 360, 255, 0, 255);
  EXPECT_EQ(CanvasPixel(479, 359), 255u + 255u * 65536u);
  EXPECT_EQ(CanvasPixel(480, 100), kGrey);
  EXPECT_EQ(CanvasPixel(100, 360), RGB(255, 255, 255));  // the grid's last line stays

  SelectPenBrush(AppState.Canvas, 255, 0, 0);
  DrawLine(AppState.Canvas, 500, 10, 500, 20);
  DrawLine(AppState.Canvas, 510, 30, 520, 30);
  RestorePenBrush(AppState.Canvas);
  EXPECT_EQ(CanvasPixel(500, 19), kRed);
  EXPECT_EQ(CanvasPixel(500, 20), kGrey);
  EXPECT_EQ(CanvasPixel(519, 30), kRed);
  EXPECT_EQ(CanvasPixel(520, 30), kGrey);

  DrawFilledEllipse(AppState.Canvas, 280, 724, 276, 732, 0, 0, 0);
  DrawFramedRect(AppState.Canvas, 540, 100, 560, 118, 0, 0, 0, 255, 255, 0);
  EXPECT_EQ(CanvasPixel(540, 117), 0u);
  EXPECT_EQ(CanvasPixel(541, 116), RGB(255, 255, 0));

  headless::ClearTextCalls();
  HDC dc = GetDC(window);
  DrawLabel(dc, 8, 38, 6, 12, 0, "編集色　（奥）←");
  ReleaseDC(window, dc);
  ASSERT_EQ(headless::TextCalls().size(), 1u);
  const LOGFONTA& font = headless::TextCalls()[0].font;
  EXPECT_EQ(font.lfHeight * 100 + font.lfWidth, 1206);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(font.lfOutPrecision, OUT_TT_PRECIS);
  EXPECT_EQ(font.lfQuality, DRAFT_QUALITY);
  EXPECT_EQ(font.lfPitchAndFamily, FIXED_PITCH | FF_ROMAN);
  EXPECT_STREQ(font.lfFaceName, "ＭＳ ゴシック");

  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
  DestroyProgramWindow(window);
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
  SetInitialAppState();
  EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
  EXPECT_EQ(AppState.DataSaved, 1);
  EXPECT_EQ(AppState.LeftColor * 10 + AppState.RightColor, 12);
  EXPECT_EQ(AppState.LeftDown + AppState.RightDown + AppState.FirstPaintDone, 0);
  EXPECT_EQ(AppState.LargeSize + AppState.Bright + AppState.MarkersInside, 0);
}

}  // namespace
