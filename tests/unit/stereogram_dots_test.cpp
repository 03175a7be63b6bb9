// The dots: their colours follow the dot-colour list and the Bright option, their placement
// the seed.
#include <gtest/gtest.h>

#include <set>

#include "render/dot_palette.h"
#include "render/stereogram.h"
#include "render_fixture.h"

using namespace render_testing;

namespace {

class StereogramDotsTest : public RenderTest {
 protected:
  // The distinct colours of the random strip's rows that the normal-size picture keeps.
  static std::set<COLORREF> StripColours() {
    std::set<COLORREF> colours;
    for (int y = kArtTop; y < kArtTop + 360; ++y)
      for (int x = 0; x < 80; ++x) colours.insert(GetPixel(AppState.Canvas, x, y));
    return colours;
  }
};

TEST_F(StereogramDotsTest, SeedOneGivesTheFirstDrawsAsCyanDots) {
  SetFixedCalendarSeconds(1);
  RenderStereogram(window);
  // Draws 41, 18467 and 6334: palette entries 9, 3 and 14.
  EXPECT_EQ(GetPixel(AppState.Canvas, 0, 360), RGB(0, 159, 159));
  EXPECT_EQ(GetPixel(AppState.Canvas, 1, 360), RGB(0, 63, 63));
  EXPECT_EQ(GetPixel(AppState.Canvas, 2, 360), RGB(0, 239, 239));
}

// All sixteen shades occur; the darkest is 15 (or 105 when bright), the brightest 255, and
// channels that the entry does not light stay 0.
TEST_F(StereogramDotsTest, BrightChoosesTheRampOfTheShades) {
  struct Case {
    int bright, darkest, step;
  };
  for (const Case c : {Case{0, 15, 16}, Case{1, 105, 10}}) {
    SCOPED_TRACE(c.bright ? "bright" : "normal");
    AppState.Bright = c.bright;
    RenderStereogram(window);
    std::set<COLORREF> expected;
    for (int j = 0; j < 16; ++j)
      expected.insert(RGB(0, c.darkest + j * c.step, c.darkest + j * c.step));
    EXPECT_EQ(StripColours(), expected);
  }
}

TEST_F(StereogramDotsTest, EachListEntryLightsItsOwnChannels) {
  const COLORREF brightest[8] = {RGB(255, 255, 255), RGB(0, 0, 255),    RGB(255, 0, 0),
                                 RGB(255, 0, 255),   RGB(0, 255, 0),    RGB(0, 255, 255),
                                 RGB(255, 255, 0),   RGB(255, 255, 255)};
  for (int entry = 0; entry < 8; ++entry) {
    const DotPalette palette = BuildDotPalette(entry, 0);
    EXPECT_EQ(palette.colors[15], brightest[entry]) << entry;
    // Darkest shade: 15 in each lit channel.
    EXPECT_EQ(palette.colors[0],
              RGB(brightest[entry] & 0xFF ? 15 : 0, brightest[entry] & 0xFF00 ? 15 : 0,
                  brightest[entry] & 0xFF0000 ? 15 : 0))
        << entry;
  }
  // Any answer outside 0..7 is grey, however large.
  for (LRESULT stray : {LRESULT{-1}, LRESULT{8}, LRESULT{-8}, LRESULT{0x100000005}}) {
    EXPECT_EQ(BuildDotPalette(stray, 1).colors[0], RGB(105, 105, 105)) << stray;
    EXPECT_EQ(BuildDotPalette(stray, 1).colors[15], RGB(255, 255, 255)) << stray;
  }
}

// The renderer asks the list itself: black, white and no selection draw the same grey dots.
TEST_F(StereogramDotsTest, BlackWhiteAndNoSelectionGiveTheSameGreyPicture) {
  SelectDotColor(0);
  RenderStereogram(window);
  const auto black = ArtArea();
  for (COLORREF c : StripColours()) {
    EXPECT_EQ(c & 0xFF, (c >> 8) & 0xFF);
    EXPECT_EQ(c & 0xFF, (c >> 16) & 0xFF);
  }
  SelectDotColor(7);
  RenderStereogram(window);
  EXPECT_TRUE(ArtArea() == black);
  SelectDotColor(-1);
  ASSERT_EQ(SendMessageA(dotList, CB_GETCURSEL, 0, 0), CB_ERR);
  RenderStereogram(window);
  EXPECT_TRUE(ArtArea() == black);
  SelectDotColor(2);
  RenderStereogram(window);
  EXPECT_FALSE(ArtArea() == black);
}

}  // namespace
