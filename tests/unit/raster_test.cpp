// The raster core's pixel rules: what each figure covers, clipping, colour packing, block
// copies and object lifetimes.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A memory surface of w x h, cleared to black, with its own bitmap.
class MemorySurface {
 public:
  MemorySurface(int w, int h) : dc_(CreateCompatibleDC(nullptr)) {
    bitmap_ = CreateCompatibleBitmap(dc_, w, h);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~MemorySurface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // The set of pixels of colour c.
  std::set<std::pair<int, int>> PixelsOf(COLORREF c, int w, int h) const {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc_, x, y) == c) out.insert({x, y});
    return out;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// Draws with a pen and a brush of their own and cleans up, like the program's operations.
void Figure(HDC dc, BOOL (*figure)(HDC, int, int, int, int), int l, int t, int r, int b,
            COLORREF pen, COLORREF brush) {
  HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, pen));
  HGDIOBJ oldBrush = SelectObject(dc, CreateSolidBrush(brush));
  figure(dc, l, t, r, b);
  DeleteObject(SelectObject(dc, oldBrush));
  DeleteObject(SelectObject(dc, oldPen));
}

TEST(RasterRectangle, ExcludesRightAndBottomEdgesAndRingsWithThePen) {
  MemorySurface s(40, 30);
  Figure(s.dc(), Rectangle, 5, 4, 15, 12, kRed, kBlue);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool in = x >= 5 && x < 15 && y >= 4 && y < 12;
      const bool ring = in && (x == 5 || x == 14 || y == 4 || y == 11);
      const COLORREF want = !in ? 0 : ring ? kRed : kBlue;
      ASSERT_EQ(GetPixel(s.dc(), x, y), want) << x << "," << y;
    }
  }
}

TEST(RasterRectangle, SwappedCornersCoverTheSamePixels) {
  MemorySurface a(30, 30), b(30, 30), c(30, 30);
  Figure(a.dc(), Rectangle, 3, 4, 20, 17, kRed, kRed);
  Figure(b.dc(), Rectangle, 20, 4, 3, 17, kRed, kRed);
  Figure(c.dc(), Rectangle, 20, 17, 3, 4, kRed, kRed);
  EXPECT_EQ(a.PixelsOf(kRed, 30, 30), b.PixelsOf(kRed, 30, 30));
  EXPECT_EQ(a.PixelsOf(kRed, 30, 30), c.PixelsOf(kRed, 30, 30));
  EXPECT_EQ(a.PixelsOf(kRed, 30, 30).size(), 17u * 13u);
}

TEST(RasterRectangle, IsClippedToTheSurface) {
  MemorySurface s(20, 10);
  Figure(s.dc(), Rectangle, -50, -50, 640, 1456, kRed, kRed);  // larger than the surface
  EXPECT_EQ(s.PixelsOf(kRed, 20, 10).size(), 200u);
  MemorySurface t(20, 10);
  Figure(t.dc(), Rectangle, 25, 0, 40, 10, kRed, kRed);  // wholly outside
  Figure(t.dc(), Rectangle, 0, -9, 20, -1, kRed, kRed);
  EXPECT_TRUE(t.PixelsOf(kRed, 20, 10).empty());
  // A partly visible rectangle keeps its ring where the ring is visible.
  MemorySurface u(20, 10);
  Figure(u.dc(), Rectangle, -5, 2, 10, 8, kRed, kBlue);
  EXPECT_EQ(GetPixel(u.dc(), 0, 4), kBlue);  // the left ring column lies outside
  EXPECT_EQ(GetPixel(u.dc(), 9, 4), kRed);
  EXPECT_EQ(GetPixel(u.dc(), 0, 2), kRed);
}

TEST(RasterEllipse, FillsASymmetricBlobInsideItsBox) {
  for (auto [w, h] : {std::pair{4, 8}, std::pair{5, 7}, std::pair{9, 4}}) {
    MemorySurface s(20, 20);
    Figure(s.dc(), Ellipse, 3 + w, 2, 3, 2 + h, kWhite, kWhite);  // given right to left
    const auto blob = s.PixelsOf(kWhite, 20, 20);
    ASSERT_FALSE(blob.empty());
    for (auto [x, y] : blob) {
      EXPECT_TRUE(x >= 3 && x < 3 + w && y >= 2 && y < 2 + h) << x << "," << y;
      EXPECT_TRUE(blob.count({3 + (3 + w - 1 - x), y})) << "left-right " << x << "," << y;
      EXPECT_TRUE(blob.count({x, 2 + (2 + h - 1 - y)})) << "top-bottom " << x << "," << y;
    }
    // The blob reaches every row and every column of its box.
    std::set<int> rows, columns;
    for (auto [x, y] : blob) rows.insert(y), columns.insert(x);
    EXPECT_EQ(static_cast<int>(rows.size()), h);
    EXPECT_EQ(static_cast<int>(columns.size()), w);
  }
}

TEST(RasterLine, ExcludesItsEndPointAndMovesThePosition) {
  MemorySurface s(500, 400);
  HGDIOBJ oldPen = SelectObject(s.dc(), CreatePen(PS_SOLID, 1, kWhite));
  MoveToEx(s.dc(), 48, 0, nullptr);
  LineTo(s.dc(), 48, 360);
  MoveToEx(s.dc(), 48, 12, nullptr);
  LineTo(s.dc(), 432, 12);
  DeleteObject(SelectObject(s.dc(), oldPen));
  const auto white = s.PixelsOf(kWhite, 500, 400);
  EXPECT_EQ(white.size(), 360u + 384u - 1u);  // the two lines share (48,12)
  EXPECT_TRUE(white.count({48, 359}));
  EXPECT_FALSE(white.count({48, 360}));
  EXPECT_TRUE(white.count({431, 12}));
  EXPECT_FALSE(white.count({432, 12}));
  POINT previous{};
  MoveToEx(s.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 432);
  EXPECT_EQ(previous.y, 12);
}

TEST(RasterPixels, PackRedLowAndKeepEightBitsPerComponent) {
  EXPECT_EQ(RGB(255, 0, 255), 255u + 255u * 65536u);
  EXPECT_EQ(RGB(0, 0, 255), 255u * 65536u);
  EXPECT_EQ(RGB(256, 1, 0), 256u);  // 256 keeps its low 8 bits: 0
  MemorySurface s(4, 4);
  for (COLORREF c : {RGB(255, 0, 255), RGB(0, 0, 255), RGB(192, 192, 192), RGB(1, 2, 3)}) {
    SetPixel(s.dc(), 1, 2, c);
    EXPECT_EQ(GetPixel(s.dc(), 1, 2), c);
  }
  EXPECT_EQ(SetPixel(s.dc(), 4, 0, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(s.dc(), -1, 0), CLR_INVALID);
}

TEST(RasterBitBlt, ClipsToBothSurfaces) {
  MemorySurface src(10, 10), dst(8, 8);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) SetPixel(src.dc(), x, y, RGB(x, y, 7));
  // Source block partly outside the source, destination partly outside the destination.
  BitBlt(dst.dc(), -2, 3, 12, 12, src.dc(), 5, -1, SRCCOPY);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int sx = x + 7, sy = y - 4;  // dest (x,y) comes from source (x - (-2) + 5, y - 3 - 1)
      const bool copied = sx >= 0 && sx < 10 && sy >= 0 && sy < 10 && y >= 4;
      EXPECT_EQ(GetPixel(dst.dc(), x, y), copied ? RGB(sx, sy, 7) : 0u) << x << "," << y;
    }
  }
}

TEST(RasterBitBlt, CopiesWithinOneSurfaceInEitherDirection) {
  MemorySurface s(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) SetPixel(s.dc(), x, y, RGB(x, y, 0));
  // Overlapping copy down and to the right reads the block as it was before the copy.
  BitBlt(s.dc(), 3, 2, 10, 10, s.dc(), 1, 0, SRCCOPY);
  for (int y = 2; y < 12; ++y)
    for (int x = 3; x < 13; ++x) ASSERT_EQ(GetPixel(s.dc(), x, y), RGB(x - 2, y - 2, 0));
  BitBlt(s.dc(), 0, 0, 5, 5, s.dc(), 10, 10, SRCCOPY);
  EXPECT_EQ(GetPixel(s.dc(), 0, 0), GetPixel(s.dc(), 10, 10));
}

TEST(RasterObjects, SelectionRulesAndLiveCounts) {
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  {
    MemorySurface s(3, 3);
    HBITMAP other = CreateCompatibleBitmap(s.dc(), 2, 2);
    HDC second = CreateCompatibleDC(nullptr);
    // The surface's bitmap is selected: it can be neither deleted nor selected elsewhere.
    HGDIOBJ first = SelectObject(second, other);
    EXPECT_NE(first, nullptr);
    EXPECT_FALSE(DeleteObject(other));
    SelectObject(second, first);
    EXPECT_TRUE(DeleteObject(other));
    DeleteDC(second);
    EXPECT_TRUE(DeleteObject(GetStockObject(DEFAULT_PALETTE)));  // stock: a no-op
    BITMAP info{};
    HBITMAP probe = CreateCompatibleBitmap(s.dc(), 480, 376);
    ASSERT_EQ(GetObjectA(probe, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 480);
    EXPECT_EQ(info.bmHeight, 376);
    EXPECT_EQ(info.bmPlanes * info.bmBitsPixel, 32);
    DeleteObject(probe);
  }
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

TEST(RasterDib, BottomUpRowsWithAZeroFourthByte) {
  MemorySurface s(3, 2);
  HBITMAP bitmap = CreateCompatibleBitmap(s.dc(), 3, 2);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetPixel(dc, 0, 0, RGB(1, 2, 3));  // top-left
  SetPixel(dc, 2, 1, RGB(9, 8, 7));  // bottom-right
  BITMAPINFO info{};
  info.bmiHeader = {40, 3, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  ASSERT_NE(GetDIBits(screen, bitmap, 0, 2, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
  BYTE bits[24];
  ASSERT_EQ(GetDIBits(screen, bitmap, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
  // First row in the buffer is the bottom row: blue, green, red, 0.
  EXPECT_EQ(bits[8], 7);
  EXPECT_EQ(bits[9], 8);
  EXPECT_EQ(bits[10], 9);
  EXPECT_EQ(bits[11], 0);
  EXPECT_EQ(bits[12], 3);
  EXPECT_EQ(bits[13], 2);
  EXPECT_EQ(bits[14], 1);
  EXPECT_EQ(bits[15], 0);
  ReleaseDC(nullptr, screen);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
