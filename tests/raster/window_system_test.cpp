// The raster core and the window system it is handed: a window's client pixels come only from
// what was handed, a window that is gone takes no drawing or text, and the fills a window's
// client keeps pending read back as if they had been written.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/raster/window_system.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
constexpr int kW = 30, kH = 20;
const HWND kFirst = reinterpret_cast<HWND>(0x1000), kSecond = reinterpret_cast<HWND>(0x2000);

// Two windows whose client areas are plain surfaces; the second can be closed. Keeps what the
// raster told it: drawn notices and a count of texts.
struct TwoWindows {
  raster::Surface first, second;
  bool secondOpen = true;
  std::vector<HWND> drawn;
  int texts = 0;
} windows;

raster::Surface* ClientOf(HWND window) {
  if (window == kFirst) return &windows.first;
  return window == kSecond && windows.secondOpen ? &windows.second : nullptr;
}
void Drawn(HWND window) { windows.drawn.push_back(window); }
void DrawText(raster::Surface&, HWND, int, int, const char*, int, const LOGFONTA&, COLORREF, int) {
  ++windows.texts;
}

TEST(HandedWindowSystem, WindowContextsDrawOnlyOnTheirWindowAndNotAfterItIsGone) {
  windows = TwoWindows{};
  windows.first.Resize(kW, kH);
  windows.second.Resize(kW, kH);
  raster::HandWindowSystem({ClientOf, Drawn, DrawText});
  EXPECT_EQ(GetDC(reinterpret_cast<HWND>(0x3000)), nullptr);
  HDC dc = GetDC(kSecond);
  ASSERT_NE(dc, nullptr);
  SetPixel(dc, 2, 3, kBlue);
  SetPixel(dc, 29, 19, kRed);
  EXPECT_EQ(std::pair(windows.second.Row(3)[2], windows.second.Row(19)[29]),
            std::pair(0x0000FFu, 0xFF0000u));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) ASSERT_EQ(windows.first.Row(y)[x], 0u) << x << "," << y;
  EXPECT_EQ(windows.drawn, (std::vector<HWND>{kSecond, kSecond}));

  windows.secondOpen = false;
  windows.second = raster::Surface{};  // its pixels are freed with it
  EXPECT_EQ(SetPixel(dc, 1, 1, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
  EXPECT_FALSE(TextOutA(dc, 0, 0, "a", 1));
  EXPECT_EQ(GetDC(kSecond), nullptr);
  ReleaseDC(kSecond, dc);
  EXPECT_EQ(windows.drawn.size(), 2u);
  EXPECT_EQ(windows.texts, 0);
  raster::HandWindowSystem({});
}

struct Bitmap {
  Bitmap() : dc(CreateCompatibleDC(nullptr)), bitmap(CreateCompatibleBitmap(dc, kW, kH)) {
    old = SelectObject(dc, bitmap);
  }
  ~Bitmap() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

std::vector<COLORREF> Pixels(HDC dc) {
  std::vector<COLORREF> out;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) out.push_back(GetPixel(dc, x, y));
  return out;
}

void Fill(HDC dc, int l, int t, int r, int b, COLORREF c) {
  HGDIOBJ pen = SelectObject(dc, CreatePen(PS_SOLID, 1, c));
  HGDIOBJ brush = SelectObject(dc, CreateSolidBrush(c));
  Rectangle(dc, l, t, r, b);
  DeleteObject(SelectObject(dc, brush));
  DeleteObject(SelectObject(dc, pen));
}

// Whole-row fills, then writes that cover the start, the middle or the end of a pending part,
// single pixels in it, figures over it, and copies within the surface that read and write it.
void Draw(HDC dc, HDC pattern) {
  Fill(dc, 0, 0, kW, kH, RGB(192, 192, 192));
  BitBlt(dc, 8, 4, 10, 6, pattern, 3, 1, SRCCOPY);
  BitBlt(dc, 0, 10, 5, 2, pattern, 0, 0, SRCCOPY);
  BitBlt(dc, 22, 0, 8, 2, pattern, 0, 7, SRCCOPY);
  SetPixel(dc, 20, 12, RGB(1, 2, 3));
  SetPixel(dc, kW - 1, 13, RGB(4, 5, 6));
  Fill(dc, -5, 14, kW + 5, 17, RGB(0, 0, 255));
  Fill(dc, 3, 15, 7, 18, RGB(255, 0, 0));
  Fill(dc, 0, 18, kW, kH, RGB(0, 255, 0));
  Ellipse(dc, 20, 5, 28, 10);
  MoveToEx(dc, 0, 19, nullptr);
  LineTo(dc, 15, 12);
  BitBlt(dc, 12, 16, 15, 3, dc, 0, 2, SRCCOPY);
  BitBlt(dc, 5, 11, 20, 1, dc, 2, 11, SRCCOPY);
}

// A window's whole-row fills wait until something reads them or writes part of them; a
// bitmap's are written at once. The same drawing on both must read back the same through every
// way in: GetPixel, BitBlt with the window as source, and the rows a backend shows, and a
// window resized keeps what it showed.
TEST(HandedWindowSystem, LazyFillsReadBackAsABitmapsEagerOnesThroughEveryWayIn) {
  windows = TwoWindows{};
  raster::Surface& client = windows.first;
  client.Resize(kW, kH);
  raster::HandWindowSystem({ClientOf, Drawn, DrawText});
  HDC window = GetDC(kFirst);
  ASSERT_NE(window, nullptr);
  Bitmap pattern, expected, copy;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) SetPixel(pattern.dc, x, y, RGB(x * 8, y * 12, 100 + x + y));
  Draw(expected.dc, pattern.dc);
  // Under each drawing lie other pixels, which a pending fill must hide.
  auto redraw = [&] {
    BitBlt(window, 0, 0, kW, kH, pattern.dc, 0, 0, SRCCOPY);
    Draw(window, pattern.dc);
  };

  // GetPixel reads pending pixels without settling them; a copy settles what it reads.
  redraw();
  EXPECT_EQ(Pixels(window), Pixels(expected.dc));
  redraw();
  BitBlt(copy.dc, 0, 0, kW, kH, window, 0, 0, SRCCOPY);
  EXPECT_EQ(Pixels(copy.dc), Pixels(expected.dc));

  // What a backend shows, and what a resize keeps: rows read whole.
  redraw();
  client.Resize(kW + 3, kH + 2);
  for (int y = 0; y < kH + 2; ++y)
    for (int x = 0; x < kW + 3; ++x) {
      const COLORREF want = x < kW && y < kH ? GetPixel(expected.dc, x, y) : 0;
      ASSERT_EQ(client.Row(y)[x], raster::PixelFromColorref(want)) << x << "," << y;
    }
  ReleaseDC(kFirst, window);
  raster::HandWindowSystem({});
}

}  // namespace
