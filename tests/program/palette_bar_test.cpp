// The palette bar: where a press picks which level, what the bar looks like, and that a pick
// touches nothing but the pressed button's colour.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "canvas/drawing.h"
#include "editor/depth_colors.h"
#include "editor/palette_bar.h"
#include "platform/headless/headless_text.h"
#include "support/program_window.h"

using namespace testing_support;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kGrey = RGB(192, 192, 192);

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
  COLORREF At(int x, int y) { return ClientPixel(window, x, y); }
  HWND window = nullptr;
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

TEST_F(PaletteBarTest, SwatchesOverlapTheLeftIndicatorStandsInFrontAndTheLabelsFlankThem) {
  AppState.LeftColor = 3;
  AppState.RightColor = 6;
  DrawPaletteBar(window);
  for (int i = 1; i < 8; ++i)  // each swatch's left outline covers the last column before it
    EXPECT_EQ(std::tuple(At(107 + 16 * i, 40), At(108 + 16 * i, 40), At(109 + 16 * i, 35)),
              std::tuple(DepthColorRef(i - 1), kBlack, DepthColorRef(i)))
        << i;
  EXPECT_EQ(std::tuple(At(238, 40), At(239, 40), At(150, 34), At(150, 51), At(150, 52)),
            std::tuple(DepthColorRef(7), kBlack, kBlack, kBlack, kGrey));
  // The left indicator's outline and fill over the right one's fill.
  EXPECT_EQ(std::tuple(At(345, 45), At(344, 46), At(346, 46)),
            std::tuple(kBlack, DepthColorRef(3), DepthColorRef(6)));
  const auto& labels = headless::TextCalls();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(
      std::tie(labels[0].text, labels[0].x, labels[0].y, labels[1].text, labels[1].x, labels[1].y),
      std::tuple("編集色　（奥）←", 8, 38, "→（手前）", 246, 38));
}

}  // namespace
