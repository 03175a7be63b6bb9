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
    EXPECT_EQ(AppState.RightColor, c.level >= 0 ? c.level : 4) << c.x << "," << c.y;
    EXPECT_EQ(AppState.LeftColor, 4);
    EXPECT_EQ(AppState.DataSaved, 0);
  }
  // A left pick shows in the left indicator at once; none is taken while the picture shows.
  AppState.MouseX = 150;
  EXPECT_EQ(PickPaletteColor(window, MouseButton::Left), 1);
  EXPECT_EQ(ClientPixel(window, 335, 40), DepthColorRef(2));
  AppState.ViewMode = VIEW_ART;
  EXPECT_EQ(PickPaletteColor(window, MouseButton::Left), 0);
}

TEST_F(PaletteBarTest, SwatchesOverlapAndTheLeftIndicatorStandsInFront) {
  AppState.LeftColor = 3;
  AppState.RightColor = 6;
  DrawPaletteBar(window);
  auto at = [&](int x, int y) { return ClientPixel(window, x, y); };
  for (int i = 1; i < 8; ++i) {  // each swatch's left outline covers the last column before it
    EXPECT_EQ(at(108 + 16 * i, 40), kBlack) << i;
    EXPECT_EQ(at(107 + 16 * i, 40), DepthColorRef(i - 1)) << i;
    EXPECT_EQ(at(109 + 16 * i, 35), DepthColorRef(i)) << i;
  }
  // Swatch outlines, then the left indicator's outline over the right one's fill.
  for (auto [x, y] : {std::pair(239, 40), {150, 34}, {150, 51}, {345, 45}, {340, 47}, {355, 51}})
    EXPECT_EQ(at(x, y), kBlack) << x << "," << y;
  EXPECT_EQ(at(238, 40), DepthColorRef(7));
  EXPECT_EQ(at(150, 52), kGrey);
  EXPECT_EQ(at(344, 46), DepthColorRef(3));
  EXPECT_EQ(at(346, 46), DepthColorRef(6));
  EXPECT_EQ(at(0, 0), RGB(128, 128, 128));  // the separator spans the client width
  EXPECT_EQ(at(AppState.ClientWidth - 1, 1), RGB(255, 255, 255));

  const auto& labels = headless::TextCalls();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(std::tie(labels[0].text, labels[0].x, labels[0].y),
            std::tuple("編集色　（奥）←", 8, 38));
  EXPECT_EQ(std::tie(labels[1].text, labels[1].x, labels[1].y), std::tuple("→（手前）", 246, 38));
}

}  // namespace
