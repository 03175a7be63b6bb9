// The program's drawing operations: coverage on the Canvas, the label's font, and that every
// pen, brush, font and surface they make is gone when they return.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

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
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  HWND window = MakeProgramWindow();
  EXPECT_EQ(CanvasPixel(599, 825), kGrey);  // the whole 600 x 826 Canvas was filled
  EXPECT_EQ(CanvasPixel(600, 0), CLR_INVALID);

  DrawFilledRect(AppState.Canvas, 0, 0, 480, 360, 255, 0, 255);
  EXPECT_EQ(CanvasPixel(479, 359), 255u + 255u * 65536u);
  EXPECT_EQ(CanvasPixel(100, 360), RGB(255, 255, 255));  // the grid's last line stays
  SelectPenBrush(AppState.Canvas, 255, 0, 0);
  DrawLine(AppState.Canvas, 500, 10, 500, 20);
  RestorePenBrush(AppState.Canvas);
  EXPECT_EQ(std::pair(CanvasPixel(500, 19), CanvasPixel(500, 20)), std::pair(kRed, kGrey));

  DrawFilledEllipse(AppState.Canvas, 280, 724, 276, 732, 0, 0, 0);
  EXPECT_EQ(CanvasPixel(277, 728), 0u);
  DrawFramedRect(AppState.Canvas, 540, 100, 560, 118, 0, 0, 0, 255, 255, 0);
  EXPECT_EQ(CanvasPixel(540, 117), 0u);
  EXPECT_EQ(CanvasPixel(541, 116), RGB(255, 255, 0));

  headless::ClearTextCalls();
  HDC dc = GetDC(window);
  DrawLabel(dc, 8, 38, 6, 12, 0, "編集色　（奥）←");
  ReleaseDC(window, dc);
  ASSERT_EQ(headless::TextCalls().size(), 1u);
  const LOGFONTA& f = headless::TextCalls()[0].font;
  EXPECT_EQ(std::tie(f.lfHeight, f.lfWidth, f.lfCharSet, f.lfOutPrecision, f.lfQuality,
                     f.lfPitchAndFamily),
            std::tuple(12, 6, BYTE{SHIFTJIS_CHARSET}, BYTE{OUT_TT_PRECIS}, BYTE{DRAFT_QUALITY},
                       BYTE{FIXED_PITCH | FF_ROMAN}));
  EXPECT_STREQ(f.lfFaceName, "ＭＳ ゴシック");
  DestroyProgramWindow(window);  // the Canvas goes with the window
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

}  // namespace
