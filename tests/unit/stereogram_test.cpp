// The renderer beyond what the golden pictures pin: the dots' colours for the list's entry and
// the Bright option, the grid and flags it leaves alone, and the markers in every layout.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "canvas/drawing.h"
#include "render/dot_palette.h"
#include "render/stereogram.h"
#include "render_fixture.h"

using namespace render_testing;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);

COLORREF At(int x, int y) { return GetPixel(AppState.Canvas, x, y); }
int CellSize() { return AppState.LargeSize ? 15 : 12; }
int PictureEnd() { return kArtTop + kGridRows * CellSize(); }  // first row below the picture

// The distinct colours of the strip rows that the normal-size picture keeps.
std::set<COLORREF> StripColours() {
  std::set<COLORREF> colours;
  for (int y = kArtTop; y < kArtTop + 360; ++y)
    for (int x = 0; x < 80; ++x) colours.insert(GetPixel(AppState.Canvas, x, y));
  return colours;
}

class StereogramTest : public RenderTest {};

// Band by band the picture is pinned by the golden references; a run also leaves everything above
// the ArtArea (the grid's last row included) and the saved mark as they were.
TEST_F(StereogramTest, LeavesTheGridAndTheSavedMarkAlone) {
  for (int large : {0, 1}) {
    AppState.LargeSize = large;
    AppState.DataSaved = large;
    PaintCell(17 * kCellSize, 29 * kCellSize, 6);
    const auto grid = testing_support::CanvasRows(0, kArtTop - 1);
    RenderStereogram(window);
    EXPECT_TRUE(testing_support::CanvasRows(0, kArtTop - 1) == grid);
    EXPECT_EQ(AppState.ViewMode * 10 + AppState.DataSaved, VIEW_ART * 10 + large);
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
    std::set<std::pair<int, int>> black;  // in box coordinates: x 0..3 and 76..79, y 0..7
    for (int y = kArtTop; y < kCanvasHeight; ++y) {
      for (int x = 0; x < kCanvasWidth; ++x) {
        if (At(x, y) == RGB(0, 0, 0)) {
          black.insert({x - c.left, y - c.top});
        } else if (y >= PictureEnd()) {
          ASSERT_EQ(At(x, y), kGrey) << x << "," << y;
        }
      }
    }
    EXPECT_GE(black.size(), 32u);  // blobs, not specks
    for (auto [x, y] : black) {
      const int boxX = x < 76 ? x : x - 76, twin = x < 76 ? x + 76 : x - 76;
      ASSERT_TRUE(boxX >= 0 && boxX < 4 && y >= 0 && y < 8) << "black at " << x << "," << y;
      EXPECT_TRUE(black.count({x + 3 - 2 * boxX, y}) && black.count({x, 7 - y}) &&
                  black.count({twin, y}))
          << "unmatched " << x << "," << y;
    }
  }
}

// All sixteen shades of the entry's channels occur: 15..255 in steps of 16, or 105..255 in
// steps of 10 when bright. The renderer asks the list itself: no selection gives grey dots.
TEST_F(StereogramTest, DotsTakeTheShadesOfTheListEntryAndBright) {
  for (auto [selection, bright, channels] :
       {std::tuple{5, 0, 0xFFFF00u}, {5, 1, 0xFFFF00u}, {-1, 0, 0xFFFFFFu}}) {
    SelectDotColor(selection);
    AppState.Bright = bright;
    RenderStereogram(window);
    std::set<COLORREF> ramp;
    for (int j = 0; j < 16; ++j)
      ramp.insert((RGB(1, 1, 1) * (255 - j * (bright ? 10 : 16))) & channels);
    EXPECT_EQ(StripColours(), ramp) << "entry " << selection << ", bright " << bright;
  }
}

// Black and white give grey, and so does any answer of the list outside 0..7, however large.
TEST(DotPaletteTest, BlackWhiteAndStrayListAnswersGiveGrey) {
  for (LRESULT grey : {LRESULT{0}, LRESULT{7}, LRESULT{8}, LRESULT{-8}, LRESULT{0x100000005}})
    EXPECT_EQ(BuildDotPalette(grey, 1).colors[0], RGB(105, 105, 105)) << grey;
}

}  // namespace
