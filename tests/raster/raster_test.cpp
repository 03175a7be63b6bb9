// The raster core's own pixel rules beyond what it shares with GDI (gdi_conformance_test holds
// lines, pixels, block copies and the rest against both): the pen ring, the one-colour fill's
// clipping, our ellipse's exact reach, and flag bytes kept out of exported pixels.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
using PixelSet = std::set<std::pair<int, int>>;

// A memory surface cleared to black, with a bitmap of its own.
struct MemorySurface {
  MemorySurface(int width, int height) : w(width), h(height), dc(CreateCompatibleDC(nullptr)) {
    bitmap = CreateCompatibleBitmap(dc, w, h);
    old = SelectObject(dc, bitmap);
  }
  ~MemorySurface() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  PixelSet PixelsOf(COLORREF c) const {
    PixelSet out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc, x, y) == c) out.insert({x, y});
    return out;
  }
  // Draws with a pen and a brush of its own and cleans up, as the program's operations do.
  void Figure(BOOL (*figure)(HDC, int, int, int, int), int l, int t, int r, int b, COLORREF pen,
              COLORREF brush) const {
    HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, pen));
    HGDIOBJ oldBrush = SelectObject(dc, CreateSolidBrush(brush));
    figure(dc, l, t, r, b);
    DeleteObject(SelectObject(dc, oldBrush));
    DeleteObject(SelectObject(dc, oldPen));
  }
  int w, h;
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

TEST(RasterRectangle, ExcludesFarEdgesRingsWithThePenAndIgnoresCornerOrder) {
  MemorySurface s(40, 30);
  s.Figure(Rectangle, 15, 12, 5, 4, kRed, kBlue);  // corners given swapped
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool in = x >= 5 && x < 15 && y >= 4 && y < 12;
      const bool ring = in && (x == 5 || x == 14 || y == 4 || y == 11);
      ASSERT_EQ(GetPixel(s.dc, x, y), !in ? 0 : ring ? kRed : kBlue) << x << "," << y;
    }
}

TEST(RasterRectangle, IsClippedToTheSurface) {
  MemorySurface s(20, 10);
  s.Figure(Rectangle, -50, -50, 640, 1456, kRed, kRed);
  EXPECT_EQ(s.PixelsOf(kRed).size(), 200u);
  s.Figure(Rectangle, 25, 0, 40, 10, kBlue, kBlue);  // wholly outside
  s.Figure(Rectangle, 0, -9, 20, -1, kBlue, kBlue);
  EXPECT_TRUE(s.PixelsOf(kBlue).empty());
  s.Figure(Rectangle, -5, 2, 10, 8, kWhite, kBlue);  // the left ring column lies outside
  EXPECT_EQ(GetPixel(s.dc, 0, 4), kBlue);
  EXPECT_EQ(GetPixel(s.dc, 9, 4), kWhite);
  // One colour (filled a row at a time), cut at the right and bottom edges: exactly the
  // columns 12..19 of rows 6..9, whatever was there.
  constexpr COLORREF kGreen = RGB(0, 255, 0);
  s.Figure(Rectangle, 30, 30, 12, 6, kGreen, kGreen);
  PixelSet expected;
  for (int y = 6; y < 10; ++y)
    for (int x = 12; x < 20; ++x) expected.insert({x, y});
  EXPECT_EQ(s.PixelsOf(kGreen), expected);
}

TEST(RasterEllipse, FillsASymmetricBlobReachingEveryRowAndColumnOfItsBox) {
  for (auto [w, h] : {std::pair{4, 8}, std::pair{5, 7}, std::pair{9, 4}}) {
    MemorySurface s(20, 20);
    s.Figure(Ellipse, 3 + w, 2, 3, 2 + h, kWhite, kWhite);  // given right to left
    const PixelSet blob = s.PixelsOf(kWhite);
    std::set<int> rows, columns;
    for (auto [x, y] : blob) {
      ASSERT_TRUE(x >= 3 && x < 3 + w && y >= 2 && y < 2 + h && blob.count({5 + w - x, y}) &&
                  blob.count({x, 3 + h - y}))
          << "outside or asymmetric at " << x << "," << y;
      rows.insert(y);
      columns.insert(x);
    }
    EXPECT_EQ(rows.size() * 100 + columns.size(), static_cast<std::size_t>(h * 100 + w));
  }
}

// A flag byte in the COLORREF (as PALETTERGB sets) must not reach the fourth byte of a pixel.
TEST(RasterDib, RowsComeBottomUpBlueFirstAndPaddedWithZeros) {
  MemorySurface s(3, 2);
  for (int i = 0; i < 6; ++i)
    SetPixel(s.dc, i % 3, i / 3, 0x02000000u | RGB(10 * i, 100 + i, 200 + i));
  for (WORD bits : {WORD{24}, WORD{32}}) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, 2, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
    const std::size_t stride = 12;  // 24 bits: 9 bytes padded to 12; 32 bits: 3 x 4
    std::vector<BYTE> rows(2 * stride, 0xAA);
    ASSERT_EQ(GetDIBits(s.dc, s.bitmap, 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2) << bits;
    std::vector<BYTE> expected;
    for (int y : {1, 0}) {  // the bottom row first
      for (int x = 0; x < 3; ++x) {
        const int i = y * 3 + x;
        expected.insert(expected.end(), {BYTE(200 + i), BYTE(100 + i), BYTE(10 * i)});
        if (bits == 32) expected.push_back(0);
      }
      if (bits == 24) expected.insert(expected.end(), {0, 0, 0});
    }
    EXPECT_EQ(rows, expected) << bits;
  }
}

}  // namespace
