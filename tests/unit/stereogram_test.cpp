// The renderer's picture as a whole: what the depth grid does to it, what it never touches,
// the markers, and what the window shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "canvas/drawing.h"
#include "render/stereogram.h"
#include "render_fixture.h"

using namespace render_testing;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF At(int x, int y) { return GetPixel(AppState.Canvas, x, y); }
int CellSize() { return AppState.LargeSize ? 15 : 12; }
int PictureEnd() { return kArtTop + kGridRows * CellSize(); }  // first row below the picture

std::string Where(int x, int y) {
  char text[96];
  std::snprintf(text, sizeof text, "pixel (%d, %d) is %06X", x, y, At(x, y));
  return text;
}

class StereogramTest : public RenderTest {};

// Picture pixels that the depth shift did not reach repeat the strip every 80 columns.
TEST_F(StereogramTest, EmptyGridGivesTheFlatRepeatedStrip) {
  for (int large : {0, 1}) {
    SCOPED_TRACE(large ? "large" : "normal");
    AppState.LargeSize = large;
    RenderStereogram(window);
    for (int y = kArtTop; y < PictureEnd(); ++y)
      for (int x = 80; x < kCanvasWidth; ++x) ASSERT_EQ(At(x, y), At(x % 80, y)) << Where(x, y);
  }
}

// With every drawable cell at level L, each band repeats at 80 - 2L over exactly the columns
// that the cells' blocks were copied to, and keeps the strip's 80-column repeat elsewhere.
TEST_F(StereogramTest, UniformLevelRepeatsAtItsDistanceOverItsRunOnly) {
  for (int large : {0, 1}) {
    for (int level = 0; level < 8; ++level) {
      SCOPED_TRACE((large ? "large, level " : "normal, level ") + std::to_string(level));
      AppState.LargeSize = large;
      PaintField(level);
      RenderStereogram(window);
      const int s = CellSize();
      const int first = 4 * s + 40 - level, last = 36 * s + 39 - level;
      const int repeat = 80 - 2 * level;
      for (int y = kArtTop; y < PictureEnd(); ++y) {
        for (int x = 0; x < kCanvasWidth; ++x) {
          const bool inRun = x >= first && x <= last;
          const COLORREF expected = inRun ? At(x - repeat, y) : At(x % 80, y);
          ASSERT_EQ(At(x, y), expected) << Where(x, y) << (inRun ? " in the run" : " outside");
        }
      }
    }
  }
}

TEST_F(StereogramTest, OneRaisedCellChangesOnlyItsOwnBand) {
  for (int large : {0, 1}) {
    SCOPED_TRACE(large ? "large" : "normal");
    AppState.LargeSize = large;
    PaintField(0);
    RenderStereogram(window);
    const auto flat = ArtArea();
    PaintCell(17 * kCellSize, 11 * kCellSize, 6);
    RenderStereogram(window);
    const auto raised = ArtArea();
    const int s = CellSize();
    bool bandChanged = false;
    for (int y = kArtTop; y < kCanvasHeight; ++y) {
      const bool inBand = y >= kArtTop + 11 * s && y < kArtTop + 12 * s;
      for (int x = 0; x < kCanvasWidth; ++x) {
        const std::size_t i = static_cast<std::size_t>(y - kArtTop) * kCanvasWidth + x;
        if (inBand)
          bandChanged = bandChanged || raised[i] != flat[i];
        else
          ASSERT_EQ(raised[i], flat[i]) << Where(x, y);
      }
    }
    EXPECT_TRUE(bandChanged);
  }
}

// Margin columns are never read, and a centre colour that is no depth colour is the
// background plane: neither may move a dot.
TEST_F(StereogramTest, MarginsAndUnknownColoursLeaveThePictureFlat) {
  RenderStereogram(window);
  const auto flat = ArtArea();
  for (int row = 0; row < kGridRows; ++row) {
    for (int column : {0, 1, 2, 3, 36, 37, 38, 39})
      PaintCell(column * kCellSize, row * kCellSize, 1 + (row + column) % 7);
    DrawFilledRect(AppState.Canvas, 12 * 20 + 1, 12 * row + 1, 12 * 21, 12 * row + 12, 1, 2, 3);
  }
  RenderStereogram(window);
  EXPECT_TRUE(ArtArea() == flat);
}

// Each run starts from a cleared ArtArea, so the same seed, grid and options give the same
// picture whatever the previous run drew, and another second gives other dots.
TEST_F(StereogramTest, PictureDependsOnlyOnSeedGridAndOptions) {
  PaintCell(10 * kCellSize, 5 * kCellSize, 4);
  RenderStereogram(window);
  const auto first = ArtArea();

  AppState.LargeSize = 1;
  AppState.MarkersInside = 1;
  AppState.Bright = 1;
  SetFixedCalendarSeconds(99);
  RenderStereogram(window);
  EXPECT_FALSE(ArtArea() == first);

  AppState.LargeSize = 0;
  AppState.MarkersInside = 0;
  AppState.Bright = 0;
  SetFixedCalendarSeconds(1234567);
  RenderStereogram(window);
  EXPECT_TRUE(ArtArea() == first);

  SetFixedCalendarSeconds(1234568);
  RenderStereogram(window);
  EXPECT_FALSE(ArtArea() == first);
}

TEST_F(StereogramTest, RunChangesOnlyTheArtAreaAndTheViewMode) {
  for (int saved : {0, 1}) {
    PaintCell(5 * kCellSize, 3 * kCellSize, 7);
    PaintCell(0, 29 * kCellSize, 3);
    AppState.DataSaved = saved;
    AppState.ViewMode = VIEW_EDIT;
    AppState.LeftColor = 6;
    const auto grid = CanvasRows(0, kArtTop - 1);
    const AppStateRecord before = AppState;
    RenderStereogram(window);
    EXPECT_TRUE(CanvasRows(0, kArtTop - 1) == grid);
    EXPECT_EQ(AppState.ViewMode, VIEW_ART);
    EXPECT_EQ(AppState.DataSaved, saved);
    EXPECT_EQ(AppState.LeftColor, before.LeftColor);
    EXPECT_EQ(AppState.RightColor, before.RightColor);
    EXPECT_EQ(AppState.LargeSize, before.LargeSize);
    EXPECT_EQ(AppState.Bright, before.Bright);
    EXPECT_EQ(AppState.MarkersInside, before.MarkersInside);
    EXPECT_EQ(AppState.Canvas, before.Canvas);
  }
}

// The markers are the only black pixels (no dot colour is black): two equal 4 x 8 blobs, each
// symmetric in its box, boxes starting 76 columns apart. Below the picture all else is grey.
TEST_F(StereogramTest, MarkersFillTheirBoxesSymmetricallyAndNothingElseIsBlack) {
  struct Case {
    int large, inside, top, left;
  };
  for (const Case c :
       {Case{0, 0, 724, 200}, Case{0, 1, 536, 200}, Case{1, 0, 814, 260}, Case{1, 1, 581, 260}}) {
    SCOPED_TRACE("large " + std::to_string(c.large) + ", inside " + std::to_string(c.inside));
    AppState.LargeSize = c.large;
    AppState.MarkersInside = c.inside;
    RenderStereogram(window);
    auto inBox = [&](int x, int y, int left) {
      return x >= left && x < left + 4 && y >= c.top && y < c.top + 8;
    };
    for (int y = kArtTop; y < kCanvasHeight; ++y) {
      for (int x = 0; x < kCanvasWidth; ++x) {
        if (inBox(x, y, c.left) || inBox(x, y, c.left + 76)) continue;
        ASSERT_NE(At(x, y), kBlack) << Where(x, y);
        if (y >= PictureEnd()) {
          ASSERT_EQ(At(x, y), kGrey) << Where(x, y);
        }
      }
    }
    int blackCount = 0;
    for (int dy = 0; dy < 8; ++dy) {
      for (int dx = 0; dx < 4; ++dx) {
        const bool black = At(c.left + dx, c.top + dy) == kBlack;
        blackCount += black;
        EXPECT_EQ(black, At(c.left + 3 - dx, c.top + dy) == kBlack) << dx << "," << dy;
        EXPECT_EQ(black, At(c.left + dx, c.top + 7 - dy) == kBlack) << dx << "," << dy;
        EXPECT_EQ(black, At(c.left + 76 + dx, c.top + dy) == kBlack) << dx << "," << dy;
      }
    }
    EXPECT_GE(blackCount, 16);  // a blob, not a speck
  }
}

// The client area below the controls is cleared, then the shown block of the ArtArea is
// copied to the EditArea origin; nothing above row 56 is touched.
TEST_F(StereogramTest, WindowShowsThePictureAtTheViewOrigin) {
  ASSERT_GT(AppState.ClientWidth, 0);
  ASSERT_GT(AppState.ClientHeight, 58);
  const COLORREF sentinel = RGB(0, 255, 0);
  for (int large : {0, 1}) {
    SCOPED_TRACE(large ? "large" : "normal");
    AppState.LargeSize = large;
    HDC dc = GetDC(window);
    DrawFilledRect(dc, 0, 0, 2000, 2000, 0, 255, 0);
    ReleaseDC(window, dc);
    RenderStereogram(window);
    const int shownWidth = large ? 600 : 480, shownHeight = large ? 466 : 376;
    for (int y = 0; y < AppState.ClientHeight; ++y) {
      for (int x = 0; x < AppState.ClientWidth; ++x) {
        const int cx = x - kEditAreaOriginX, cy = y - kEditAreaOriginY;
        COLORREF expected = kGrey;
        if (y < 56)
          expected = sentinel;
        else if (cx >= 0 && cx < shownWidth && cy >= 0 && cy < shownHeight)
          expected = At(cx, kArtTop + cy);
        ASSERT_EQ(testing_support::ClientPixel(window, x, y), expected) << x << "," << y;
      }
    }
  }
}

// A client area no taller than the control rows has nothing to clear; the clear must not
// turn round and paint over the controls.
TEST_F(StereogramTest, ShortClientAreaKeepsTheControlRows) {
  HDC dc = GetDC(window);
  DrawFilledRect(dc, 0, 0, 2000, 2000, 0, 255, 0);
  ReleaseDC(window, dc);
  AppState.ClientHeight = 30;
  RenderStereogram(window);
  for (int y = 0; y < 56; ++y)
    for (int x = 0; x < AppState.ClientWidth; ++x)
      ASSERT_EQ(testing_support::ClientPixel(window, x, y), RGB(0, 255, 0)) << x << "," << y;
  EXPECT_EQ(AppState.ViewMode, VIEW_ART);
}

}  // namespace
