// The raster core's pixel rules: what each figure covers, clipping, colour packing, block
// copies, DIB rows and object lifetimes.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
using PixelSet = std::set<std::pair<int, int>>;

// A memory surface cleared to black, with a bitmap of its own.
struct MemorySurface {
  MemorySurface(int w, int h) : w(w), h(h), dc(CreateCompatibleDC(nullptr)) {
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
  MemorySurface t(20, 10);
  s.Figure(Rectangle, 25, 0, 40, 10, kBlue, kBlue);  // wholly outside
  t.Figure(Rectangle, 0, -9, 20, -1, kBlue, kBlue);
  EXPECT_TRUE(t.PixelsOf(kBlue).empty());
  EXPECT_TRUE(s.PixelsOf(kBlue).empty());
  t.Figure(Rectangle, -5, 2, 10, 8, kRed, kBlue);  // the left ring column lies outside
  EXPECT_EQ(GetPixel(t.dc, 0, 4), kBlue);
  EXPECT_EQ(GetPixel(t.dc, 9, 4), kRed);
}

TEST(RasterEllipse, FillsASymmetricBlobReachingEveryRowAndColumnOfItsBox) {
  for (auto [w, h] : {std::pair{4, 8}, std::pair{5, 7}, std::pair{9, 4}}) {
    MemorySurface s(20, 20);
    s.Figure(Ellipse, 3 + w, 2, 3, 2 + h, kWhite, kWhite);  // given right to left
    const PixelSet blob = s.PixelsOf(kWhite);
    std::set<int> rows, columns;
    for (auto [x, y] : blob) {
      EXPECT_TRUE(x >= 3 && x < 3 + w && y >= 2 && y < 2 + h) << x << "," << y;
      EXPECT_TRUE(blob.count({3 + (3 + w - 1 - x), y}) && blob.count({x, 2 + (2 + h - 1 - y)}))
          << "asymmetric at " << x << "," << y;
      rows.insert(y);
      columns.insert(x);
    }
    EXPECT_EQ(static_cast<int>(rows.size()), h);
    EXPECT_EQ(static_cast<int>(columns.size()), w);
  }
}

TEST(RasterLine, ExcludesItsEndPointAndMovesThePosition) {
  MemorySurface s(500, 400);
  HGDIOBJ oldPen = SelectObject(s.dc, CreatePen(PS_SOLID, 1, kWhite));
  MoveToEx(s.dc, 48, 0, nullptr);
  LineTo(s.dc, 48, 360);
  MoveToEx(s.dc, 48, 12, nullptr);
  LineTo(s.dc, 432, 12);
  DeleteObject(SelectObject(s.dc, oldPen));
  const PixelSet white = s.PixelsOf(kWhite);
  EXPECT_EQ(white.size(), 360u + 384u - 1u);  // the two lines share (48,12)
  EXPECT_TRUE(white.count({48, 359}) && white.count({431, 12}));
  EXPECT_FALSE(white.count({48, 360}) || white.count({432, 12}));
  POINT previous{};
  MoveToEx(s.dc, 0, 0, &previous);
  EXPECT_EQ(previous.x * 1000 + previous.y, 432 * 1000 + 12);
}

TEST(RasterPixels, PackRedLowKeepEightBitsAndReadBackUnchanged) {
  EXPECT_EQ(RGB(255, 0, 255), 255u + 255u * 65536u);
  EXPECT_EQ(RGB(0, 0, 255), 255u * 65536u);
  EXPECT_EQ(RGB(256, 1, 0), 256u);  // 256 keeps its low 8 bits: 0
  MemorySurface s(4, 4);
  for (COLORREF c : {RGB(255, 0, 255), RGB(0, 0, 255), RGB(192, 192, 192), RGB(1, 2, 3)}) {
    SetPixel(s.dc, 1, 2, c);
    EXPECT_EQ(GetPixel(s.dc, 1, 2), c);
  }
  EXPECT_EQ(SetPixel(s.dc, 4, 0, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(s.dc, -1, 0), CLR_INVALID);
}

TEST(RasterBitBlt, ClipsToBothSurfacesAndCopiesOverlapsAsIfThroughATemporary) {
  MemorySurface src(10, 10), dst(8, 8);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) SetPixel(src.dc, x, y, RGB(x, y, 7));
  BitBlt(dst.dc, -2, 3, 12, 12, src.dc, 5, -1, SRCCOPY);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const int sx = x + 7, sy = y - 4;  // destination (x, y) takes source (x + 7, y - 4)
      const bool copied = sx < 10 && sy >= 0;
      ASSERT_EQ(GetPixel(dst.dc, x, y), copied ? RGB(sx, sy, 7) : 0u) << x << "," << y;
    }
  BitBlt(src.dc, 3, 2, 6, 6, src.dc, 1, 0, SRCCOPY);  // overlapping, down and to the right
  for (int y = 2; y < 8; ++y)
    for (int x = 3; x < 9; ++x) ASSERT_EQ(GetPixel(src.dc, x, y), RGB(x - 2, y - 2, 7));
}

TEST(RasterDib, BottomUpRowsWithAZeroFourthByte) {
  MemorySurface s(3, 2);
  SetPixel(s.dc, 0, 0, RGB(1, 2, 3));  // top-left
  SetPixel(s.dc, 2, 1, RGB(9, 8, 7));  // bottom-right
  BITMAPINFO info{};
  info.bmiHeader = {40, 3, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  ASSERT_NE(GetDIBits(screen, s.bitmap, 0, 2, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
  BYTE bits[24];
  ASSERT_EQ(GetDIBits(screen, s.bitmap, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
  ReleaseDC(nullptr, screen);
  const BYTE bottomRight[4] = {7, 8, 9, 0}, topLeft[4] = {3, 2, 1, 0};
  EXPECT_EQ(0, std::memcmp(bits + 8, bottomRight, 4));  // the first row is the bottom row
  EXPECT_EQ(0, std::memcmp(bits + 12, topLeft, 4));
}

TEST(RasterObjects, SelectedBitmapsStayAliveAndNothingLeaks) {
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  {
    MemorySurface s(3, 3);
    HDC second = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(second, s.bitmap), nullptr);  // already selected in s
    EXPECT_FALSE(DeleteObject(s.bitmap));
    EXPECT_TRUE(DeleteObject(GetStockObject(DEFAULT_PALETTE)));  // stock: a no-op
    DeleteDC(second);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(s.bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth * 100 + info.bmHeight, 303);
    EXPECT_EQ(info.bmPlanes * info.bmBitsPixel, 32);
  }
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

}  // namespace
