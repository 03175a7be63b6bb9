// The dots: the generator's sequence fixes their placement for a seed; their colours follow the
// dot-colour list and the Bright option.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "render/dot_palette.h"
#include "render/stereogram.h"
#include "render_fixture.h"

using namespace render_testing;

namespace {

// The distinct colours of the strip rows that the normal-size picture keeps.
std::set<COLORREF> StripColours() {
  std::set<COLORREF> colours;
  for (int y = kArtTop; y < kArtTop + 360; ++y)
    for (int x = 0; x < 80; ++x) colours.insert(GetPixel(AppState.Canvas, x, y));
  return colours;
}

class StereogramDotsTest : public RenderTest {};

// All sixteen shades of the entry's channels occur: 15..255 in steps of 16, or 105..255 in
// steps of 10 when bright. The renderer asks the list itself: no selection gives grey dots.
TEST_F(StereogramDotsTest, ListEntryAndBrightChooseTheShades) {
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
