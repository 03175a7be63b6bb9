// The GDI rules that the program relies on, written against the API alone: on Linux this runs
// against our raster (src/platform/raster), in the Windows build against the real gdi32 under
// Wine, so that every rule our raster claims is held against the real thing. Where the two
// legitimately differ the case says so and checks only what the program needs.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/true_color_bitmap.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
using PixelSet = std::set<std::pair<int, int>>;

// A 32-bit memory surface cleared to black, as the Canvas is made.
struct Surface {
  Surface(int width, int height) : w(width), h(height), dc(CreateCompatibleDC(nullptr)) {
    bitmap = CreateTrueColorBitmap(dc, w, h);
    old = SelectObject(dc, bitmap);
    Fill(0);
  }
  ~Surface() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  void Fill(COLORREF c) const {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) SetPixel(dc, x, y, c);
  }
  PixelSet PixelsOf(COLORREF c) const {
    PixelSet out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc, x, y) == c) out.insert({x, y});
    return out;
  }
  void Figure(BOOL(WINAPI* figure)(HDC, int, int, int, int), int l, int t, int r, int b,
              COLORREF pen, COLORREF brush) const {
    HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, pen));
    HGDIOBJ oldBrush = SelectObject(dc, CreateSolidBrush(brush));
    figure(dc, l, t, r, b);
    DeleteObject(SelectObject(dc, oldBrush));
    DeleteObject(SelectObject(dc, oldPen));
  }
  void Line(int x1, int y1, int x2, int y2, COLORREF pen) const {
    HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, pen));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    DeleteObject(SelectObject(dc, oldPen));
  }
  int w, h;
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

// The pixels of the boxes {left, top, right, bottom} together, the far edges left out.
PixelSet Boxes(std::initializer_list<std::array<int, 4>> boxes) {
  PixelSet out;
  for (const auto& [left, top, right, bottom] : boxes)
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) out.insert({x, y});
  return out;
}

TEST(GdiRectangle, CoversTheBoxWithoutItsFarEdgesInEitherCornerOrder) {
  Surface s(40, 30);
  s.Figure(Rectangle, 15, 12, 5, 4, kRed, kBlue);  // corners given swapped
  EXPECT_EQ(s.PixelsOf(kBlue), Boxes({{6, 5, 14, 11}}));
  PixelSet ring = Boxes({{5, 4, 15, 12}});
  for (auto p : Boxes({{6, 5, 14, 11}})) ring.erase(p);
  EXPECT_EQ(s.PixelsOf(kRed), ring);
}

TEST(GdiRectangle, IsClippedToTheSurface) {
  Surface s(20, 10);
  s.Figure(Rectangle, 0, 0, 640, 1456, kRed, kRed);  // the first paint's oversized fill
  EXPECT_EQ(s.PixelsOf(kRed).size(), 200u);
  s.Figure(Rectangle, 25, 0, 40, 10, kBlue, kBlue);  // wholly outside
  s.Figure(Rectangle, 0, -9, 20, -1, kBlue, kBlue);
  EXPECT_TRUE(s.PixelsOf(kBlue).empty());
  s.Figure(Rectangle, -5, 2, 10, 8, kWhite, kBlue);  // the left outline column lies outside
  EXPECT_EQ(GetPixel(s.dc, 0, 4), kBlue);
  EXPECT_EQ(GetPixel(s.dc, 9, 4), kWhite);
  EXPECT_EQ(GetPixel(s.dc, 3, 7), kWhite);
  // One colour, cut at the right and bottom edges: exactly columns 12..19 of rows 6..9.
  constexpr COLORREF kGreen = RGB(0, 255, 0);
  s.Figure(Rectangle, 30, 30, 12, 6, kGreen, kGreen);
  EXPECT_EQ(s.PixelsOf(kGreen), Boxes({{12, 6, 20, 10}}));
}

TEST(GdiLine, StopsBeforeItsEndPointInEveryDirectionAndIsClipped) {
  Surface s(500, 400);
  s.Line(48, 0, 48, 360, kWhite);  // the grid's lines
  s.Line(48, 12, 432, 12, kWhite);
  EXPECT_EQ(s.PixelsOf(kWhite), Boxes({{48, 0, 49, 360}, {48, 12, 432, 13}}));

  s.Line(30, 390, 10, 390, kRed);  // right to left: 11..30
  s.Line(5, 300, 5, 280, kRed);    // upwards: rows 281..300
  EXPECT_EQ(s.PixelsOf(kRed), Boxes({{11, 390, 31, 391}, {5, 281, 6, 301}}));

  s.Line(490, -20, 490, 600, kBlue);  // through the whole surface
  s.Line(-10, 399, 600, 399, kBlue);
  EXPECT_EQ(s.PixelsOf(kBlue), Boxes({{490, 0, 491, 400}, {0, 399, 500, 400}}));
}

// Single pixels past every edge and corner are refused and land nowhere: a missed row or column
// check would write the next row's first pixel, or outside the bitmap's memory.
TEST(GdiPixels, OutsideTheBitmapAreRefusedAndChangeNothing) {
  Surface s(7, 5);
  for (auto [x, y] : {std::pair{-1, 0},
                      {0, -1},
                      {7, 0},
                      {0, 5},
                      {7, 4},
                      {6, 5},
                      {-1, -1},
                      {1 << 30, 1},
                      {1, 1 << 30}}) {
    SetPixel(s.dc, x, y, kRed);
    EXPECT_EQ(GetPixel(s.dc, x, y), CLR_INVALID) << x << "," << y;
  }
  EXPECT_TRUE(s.PixelsOf(kRed).empty());
  SetPixel(s.dc, 6, 4, kRed);
  EXPECT_EQ(s.PixelsOf(kRed), Boxes({{6, 4, 7, 5}}));
}

// Random blocks within one surface, overlapping in every direction and clipped at every edge of
// source and destination: copied as if through a temporary; what would come from outside the
// source or land outside the destination is left alone. Our raster takes short cuts for the
// renderer's speed (inline short rows, memmove on one row, bottom-up for lower blocks), so it
// gets ten times the trials that Wine's slower GDI does.
TEST(GdiBitBlt, ClipsAndCopiesOverlapsAsIfThroughATemporary) {
  constexpr int kW = 41, kH = 23;
  std::mt19937 random(7);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  Surface s(kW, kH);
  std::vector<COLORREF> before(kW * kH);
#ifdef _WIN32
  constexpr int kTrials = 300;
#else
  constexpr int kTrials = 3000;
#endif
  for (int trial = 0; trial < kTrials; ++trial) {
    for (int i = 0; i < kW * kH; ++i)
      SetPixel(s.dc, i % kW, i / kW, before[i] = random() & 0xFFFFFF);
    const int x = pick(-8, kW + 4), y = pick(-6, kH), w = pick(0, 36), h = pick(0, 11);
    const int sx = pick(-8, kW + 4), sy = trial % 2 ? y : pick(-6, kH);
    BitBlt(s.dc, x, y, w, h, s.dc, sx, sy, SRCCOPY);
    for (int i = 0; i < kW * kH; ++i) {
      const int dx = i % kW - x, dy = i / kW - y;
      const bool copied = dx >= 0 && dx < w && dy >= 0 && dy < h && sx + dx >= 0 && sx + dx < kW &&
                          sy + dy >= 0 && sy + dy < kH;
      ASSERT_EQ(GetPixel(s.dc, i % kW, i / kW), before[copied ? i + (sy - y) * kW + sx - x : i])
          << "trial " << trial << " (" << x << "," << y << " " << w << "x" << h << " from " << sx
          << "," << sy << "), pixel " << i % kW << "," << i / kW;
    }
  }
}

}  // namespace
