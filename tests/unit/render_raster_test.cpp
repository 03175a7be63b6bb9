// The raster operations that a picture is made of (SetPixel, BitBlt within one surface and
// between two, Rectangle) take short cuts for speed; here they are held against the plain
// pixel rules on many random blocks, overlapping and clipped ones included.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/win32.h"

namespace {

constexpr int kW = 41, kH = 23;

using Pixels = std::vector<COLORREF>;  // kW x kH, row by row

struct Surface {
  Surface() : dc(CreateCompatibleDC(nullptr)) {
    bitmap = CreateCompatibleBitmap(dc, kW, kH);
    old = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  void Load(const Pixels& p) const {
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) SetPixel(dc, x, y, p[y * kW + x]);
  }
  Pixels Read() const {
    Pixels p(kW * kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) p[y * kW + x] = GetPixel(dc, x, y);
    return p;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

Pixels RandomPixels(std::mt19937& random) {
  Pixels p(kW * kH);
  for (COLORREF& c : p) c = random() & 0xFFFFFF;
  return p;
}

bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kW && y < kH; }

// A block copy as if through a temporary: every destination pixel whose source pixel lies
// inside the source takes its old value.
Pixels ReferenceCopy(const Pixels& dest, const Pixels& source, int x, int y, int w, int h, int sx,
                     int sy) {
  Pixels out = dest;
  for (int row = 0; row < h; ++row)
    for (int column = 0; column < w; ++column)
      if (Inside(x + column, y + row) && Inside(sx + column, sy + row))
        out[(y + row) * kW + x + column] = source[(sy + row) * kW + sx + column];
  return out;
}

TEST(RenderRasterTest, BlockCopiesMatchThePlainRule) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> position(-8, kW + 4), extent(0, 36);
  Surface a, b;
  for (int trial = 0; trial < 3000; ++trial) {
    const Pixels before = RandomPixels(random), other = RandomPixels(random);
    a.Load(before);
    b.Load(other);
    const int x = position(random), y = position(random) % kH, w = extent(random);
    const int h = extent(random) % 12, sx = position(random), sy = position(random) % kH;
    // Same row half of the time, so that spans overlap sideways.
    const int sourceY = trial % 2 ? y : sy;
    const bool within = trial % 3 != 0;
    BitBlt(a.dc, x, y, w, h, within ? a.dc : b.dc, sx, sourceY, SRCCOPY);
    ASSERT_EQ(a.Read(), ReferenceCopy(before, within ? before : other, x, y, w, h, sx, sourceY))
        << "trial " << trial << ": " << w << " x " << h << " from (" << sx << "," << sourceY
        << ") to (" << x << "," << y << ")" << (within ? " within" : " between");
  }
}

TEST(RenderRasterTest, RectanglesMatchThePlainRule) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> coordinate(-6, kW + 6);
  Surface s;
  for (int trial = 0; trial < 2000; ++trial) {
    const Pixels before = RandomPixels(random);
    s.Load(before);
    const int l = coordinate(random), t = coordinate(random) % (kH + 6);
    const int r = coordinate(random), b = coordinate(random) % (kH + 6);
    const COLORREF pen = random() & 0xFFFFFF, brush = random() & 0xFFFFFF;
    HGDIOBJ oldPen = SelectObject(s.dc, CreatePen(PS_SOLID, 1, pen));
    HGDIOBJ oldBrush = SelectObject(s.dc, CreateSolidBrush(brush));
    Rectangle(s.dc, l, t, r, b);
    DeleteObject(SelectObject(s.dc, oldBrush));
    DeleteObject(SelectObject(s.dc, oldPen));
    Pixels expected = before;
    const int left = std::min(l, r), right = std::max(l, r);
    const int top = std::min(t, b), bottom = std::max(t, b);
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (Inside(x, y))
          expected[y * kW + x] =
              x == left || x == right - 1 || y == top || y == bottom - 1 ? pen : brush;
    ASSERT_EQ(s.Read(), expected) << "trial " << trial << ": (" << l << "," << t << ")-(" << r
                                  << "," << b << ")";
  }
}

TEST(RenderRasterTest, SetPixelWritesOnlyInside) {
  Surface s;
  const Pixels before(kW * kH, RGB(1, 2, 3));
  s.Load(before);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {kW, 0}, {0, kH}, {-5, kH + 2}})
    EXPECT_EQ(SetPixel(s.dc, x, y, RGB(9, 9, 9)), CLR_INVALID) << x << "," << y;
  EXPECT_EQ(s.Read(), before);
  EXPECT_EQ(SetPixel(s.dc, kW - 1, kH - 1, 0xFF123456), 0x123456u);
  EXPECT_EQ(GetPixel(s.dc, kW - 1, kH - 1), 0x123456u);
  EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), CLR_INVALID);
}

}  // namespace
