// The raster core and the window system it is handed: a window's client pixels come only from
// what was handed, and a window that is gone takes no drawing or text.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/raster/window_system.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
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
  windows.first.Resize(30, 20);
  windows.second.Resize(30, 20);
  raster::HandWindowSystem({ClientOf, Drawn, DrawText});
  EXPECT_EQ(GetDC(reinterpret_cast<HWND>(0x3000)), nullptr);
  HDC dc = GetDC(kSecond);
  ASSERT_NE(dc, nullptr);
  SetPixel(dc, 2, 3, kBlue);
  SetPixel(dc, 29, 19, kRed);
  EXPECT_EQ(std::pair(windows.second.Row(3)[2], windows.second.Row(19)[29]),
            std::pair(0x0000FFu, 0xFF0000u));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(windows.first.Row(y)[x], 0u) << x << "," << y;
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

}  // namespace
