// BitBlt takes short cuts for the renderer's speed (short rows copied inline, memmove only for
// spans of one row, overlapping blocks copied bottom-up); here it is held against the plain
// pixel rule on many random blocks within one surface, overlapping and clipped ones included.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/win32.h"

namespace {

constexpr int kW = 41, kH = 23;

bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kW && y < kH; }

TEST(RenderRasterTest, BlockCopiesMatchThePlainRule) {
  std::mt19937 random(7);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(dc, kW, kH));
  std::vector<COLORREF> before(kW * kH), after(kW * kH);
  for (int trial = 0; trial < 3000; ++trial) {
    for (int i = 0; i < kW * kH; ++i) SetPixel(dc, i % kW, i / kW, before[i] = random() & 0xFFFFFF);
    // On one row half of the time, so that the spans overlap sideways.
    const int x = pick(-8, kW + 4), y = pick(-6, kH), w = pick(0, 36), h = pick(0, 11);
    const int sx = pick(-8, kW + 4), sy = trial % 2 ? y : pick(-6, kH);
    BitBlt(dc, x, y, w, h, dc, sx, sy, SRCCOPY);
    // As if copied through a temporary.
    std::vector<COLORREF> expected = before;
    for (int row = 0; row < h; ++row)
      for (int column = 0; column < w; ++column)
        if (Inside(x + column, y + row) && Inside(sx + column, sy + row))
          expected[(y + row) * kW + x + column] = before[(sy + row) * kW + sx + column];
    for (int i = 0; i < kW * kH; ++i) after[i] = GetPixel(dc, i % kW, i / kW);
    ASSERT_EQ(after, expected) << "trial " << trial;  // the seed makes every trial repeatable
  }
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
}

}  // namespace
