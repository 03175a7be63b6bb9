// The palette bar: where a press picks which level, what the bar looks like, and that a pick
// touches nothing but the button's colour.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "canvas/drawing.h"
#include "editor/depth_colors.h"
#include "editor/palette_bar.h"
#include "platform/headless/headless_text.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

class PaletteBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = MakeProgramWindow();
    // A grey client area, so that what the bar leaves alone is told from its black outlines.
    HDC surface = GetDC(window);
    DrawFilledRect(surface, 0, 0, 600, 600, 192, 192, 192);
    ReleaseDC(window, surface);
  }
  void TearDown() override { DestroyProgramWindow(window); }

  int PressAt(int x, int y, MouseButton button) {
    AppState.MouseX = x;
    AppState.MouseY = y;
    return PickPaletteColor(window, button);
  }

  HWND window = nullptr;
};

TEST_F(PaletteBarTest, PickZonesEndAtTheOutlinesAndAtColumn236) {
  struct Case {
    int x, y, level;  // level -1: the press is not taken
  };
  const Case cases[] = {
      {109, 35, 0},  {108, 40, -1}, {123, 40, 0},  {124, 40, 1},  {139, 51, 1},  {140, 35, 2},
      {219, 40, 6},  {220, 40, 7},  {235, 51, 7},  {236, 40, -1}, {150, 34, -1}, {150, 52, -1},
      {240, 40, -1}, {20, 40, -1},  {335, 40, -1},  // a label and an indicator take nothing
  };
  for (const Case& c : cases) {
    AppState.LeftColor = 4;
    AppState.RightColor = 4;
    const int taken = PressAt(c.x, c.y, MouseButton::Right);
    EXPECT_EQ(taken, c.level >= 0) << c.x << "," << c.y;
    EXPECT_EQ(AppState.RightColor, c.level >= 0 ? c.level : 4) << c.x << "," << c.y;
    EXPECT_EQ(AppState.LeftColor, 4) << "a right press changed the left colour";
  }
}

TEST_F(PaletteBarTest, PickChangesOnlyThePressedButtonsColour) {
  AppState.DataSaved = 0;
  AppState.LeftDown = 1;
  ASSERT_EQ(PressAt(150, 40, MouseButton::Left), 1);
  EXPECT_EQ(AppState.LeftColor, 2);
  EXPECT_EQ(AppState.RightColor, 2);
  EXPECT_EQ(AppState.DataSaved, 0);
  EXPECT_EQ(AppState.LeftDown, 1);
  EXPECT_EQ(AppState.RightDown, 0);
  // The left indicator shows the new colour at once.
  EXPECT_EQ(ClientPixel(window, 335, 40), DepthColorRef(2));
}

TEST_F(PaletteBarTest, NoPickWhileThePictureIsShown) {
  AppState.ViewMode = VIEW_ART;
  EXPECT_EQ(PressAt(150, 40, MouseButton::Left), 0);
  EXPECT_EQ(AppState.LeftColor, 1);
  EXPECT_TRUE(headless::TextCalls().empty()) << "the bar was redrawn without a pick";
}

TEST_F(PaletteBarTest, SwatchesOverlapAndTheLastOneShowsWhole) {
  DrawPaletteBar(window);
  for (int i = 1; i < 8; ++i) {
    const int left = 108 + 16 * i;
    // Each swatch's left outline covers the right columns of the one before.
    EXPECT_EQ(ClientPixel(window, left, 40), kBlack) << "swatch " << i;
    EXPECT_EQ(ClientPixel(window, left - 1, 40), DepthColorRef(i - 1)) << "swatch " << i;
    EXPECT_EQ(ClientPixel(window, left + 1, 35), DepthColorRef(i)) << "swatch " << i;
    EXPECT_EQ(ClientPixel(window, left + 1, 34), kBlack) << "top outline of swatch " << i;
    EXPECT_EQ(ClientPixel(window, left + 1, 51), kBlack) << "bottom outline of swatch " << i;
  }
  EXPECT_EQ(ClientPixel(window, 238, 40), DepthColorRef(7));
  EXPECT_EQ(ClientPixel(window, 239, 40), kBlack);
  EXPECT_NE(ClientPixel(window, 240, 40), kBlack);
  EXPECT_NE(ClientPixel(window, 150, 52), kBlack);
}

TEST_F(PaletteBarTest, LeftIndicatorStandsInFrontOfTheRightOne) {
  AppState.LeftColor = 3;
  AppState.RightColor = 6;
  DrawPaletteBar(window);
  EXPECT_EQ(ClientPixel(window, 331, 37), DepthColorRef(3));
  EXPECT_EQ(ClientPixel(window, 344, 46), DepthColorRef(3)) << "left fill over the right one";
  EXPECT_EQ(ClientPixel(window, 345, 45), kBlack) << "left outline over the right fill";
  EXPECT_EQ(ClientPixel(window, 340, 46), DepthColorRef(3));
  EXPECT_EQ(ClientPixel(window, 340, 47), kBlack) << "left bottom outline";
  EXPECT_EQ(ClientPixel(window, 346, 46), DepthColorRef(6));
  EXPECT_EQ(ClientPixel(window, 341, 48), DepthColorRef(6));
  EXPECT_EQ(ClientPixel(window, 355, 51), kBlack);
  EXPECT_EQ(ClientPixel(window, 330, 36), kBlack);
}

TEST_F(PaletteBarTest, SeparatorSpansTheClientWidth) {
  ASSERT_GT(AppState.ClientWidth, 400);
  DrawPaletteBar(window);
  for (int x : {0, 250, AppState.ClientWidth - 1}) {
    EXPECT_EQ(ClientPixel(window, x, 0), RGB(128, 128, 128)) << x;
    EXPECT_EQ(ClientPixel(window, x, 1), RGB(255, 255, 255)) << x;
  }
  EXPECT_NE(ClientPixel(window, 250, 2), RGB(255, 255, 255));
}

TEST_F(PaletteBarTest, BothLabelsAreDrawnInBlackWithTheSmallFont) {
  DrawPaletteBar(window);
  const auto& calls = headless::TextCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].text, "編集色　（奥）←");
  EXPECT_EQ(calls[0].x, 8);
  EXPECT_EQ(calls[0].y, 38);
  EXPECT_EQ(calls[1].text, "→（手前）");
  EXPECT_EQ(calls[1].x, 246);
  EXPECT_EQ(calls[1].y, 38);
  for (const auto& call : calls) {
    EXPECT_EQ(call.window, window);
    EXPECT_EQ(call.font.lfHeight, 12);
    EXPECT_EQ(call.font.lfWidth, 6);
    EXPECT_EQ(call.color, kBlack);
    EXPECT_EQ(call.bkMode, TRANSPARENT);
  }
}

}  // namespace
