// Painting on Qt: what is drawn through GetDC shows in the window unchanged and stays there,
// repaint requests reach the window procedure through the loop, and text output draws glyphs.
#include <QFontInfo>
#include <cstring>

#include "platform/qt/qt_windows.h"
#include "platform/raster/surface.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

TEST(Painting, DrawingThroughGetDcShowsExactColoursAndSurvivesBeingCovered) {
  HWND hwnd = MakeWindow();
  ASSERT_TRUE(Pump(hwnd));
  FillClient(hwnd, 10, 60, 30, 80, RGB(12, 34, 56));   // red 12, green 34, blue 56
  FillClient(hwnd, 300, 40, 302, 42, RGB(255, 0, 1));  // above the view, where nothing repaints
  EXPECT_EQ(ShownPixel(hwnd, 10, 60), qRgb(12, 34, 56));
  EXPECT_EQ(ShownPixel(hwnd, 29, 79), qRgb(12, 34, 56));
  EXPECT_EQ(ShownPixel(hwnd, 30, 80), qRgb(192, 192, 192));
  EXPECT_EQ(ShownPixel(hwnd, 301, 41), qRgb(255, 0, 1));

  // Covering and uncovering the window asks the program for nothing: the buffer is kept.
  Log().clear();
  qtbackend::FrameWidget(hwnd)->hide();
  qtbackend::FrameWidget(hwnd)->show();
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(IndexOf(WM_PAINT), -1);
  EXPECT_EQ(ShownPixel(hwnd, 20, 70), qRgb(12, 34, 56));
}

TEST(Painting, InvalidatedWindowGetsOneRepaintWithItsBackgroundErased) {
  HWND hwnd = MakeWindow();
  ASSERT_TRUE(Pump(hwnd));
  FillClient(hwnd, 300, 20, 320, 30, RGB(1, 2, 3));
  Log().clear();
  RECT part{0, 0, 496, 50};
  InvalidateRect(hwnd, &part, TRUE);
  InvalidateRect(hwnd, &part, TRUE);
  EXPECT_EQ(IndexOf(WM_PAINT), -1);  // repaints come from the loop
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Messages(WM_PAINT).size(), 1u);
  EXPECT_EQ(Messages(WM_ERASEBKGND).size(), 1u);
  EXPECT_EQ(ShownPixel(hwnd, 310, 25), qRgb(200, 200, 200));
}

TEST(Text, GlyphsAreDrawnInTheTextColourOverWhatWasThere) {
  qtbackend::EnsureApplication();
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 40, 20);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  raster::Surface& s = raster::ToBitmap(bitmap)->surface;
  std::fill(s.pixels.begin(), s.pixels.end(), raster::PixelFromColorref(RGB(0, 0, 255)));
  const LOGFONTA lf = ProgramFont();
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, RGB(255, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  ASSERT_TRUE(TextOutA(dc, 2, 3, "色A", static_cast<int>(std::strlen("色A"))));

  int ink = 0;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      const std::uint32_t p = s.Row(y)[x];
      ASSERT_EQ(p >> 24, 0u) << "at " << x << "," << y;  // pixels stay 0x00RRGGBB
      ASSERT_TRUE(p == 0xFF0000u || p == 0x0000FFu) << "at " << x << "," << y;
      if (p == 0xFF0000u) {
        ++ink;
        // One full-width and one half-width character of a 12-pixel cell.
        EXPECT_TRUE(x >= 2 && x < 2 + 18 && y >= 3 && y < 3 + 12) << "at " << x << "," << y;
      }
    }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(QFontInfo(qtbackend::FontFromLogfont(lf)).family(), QString("IPAGothic"));

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
