// The raster core and the window system it is handed: a window's client pixels and the text
// drawer come only from what was handed, a window that is gone takes no drawing, and text
// reaches the drawer with the context's font, colour and mode.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "platform/raster/window_system.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const HWND kFirst = reinterpret_cast<HWND>(0x1000), kSecond = reinterpret_cast<HWND>(0x2000);

// Two windows whose client areas are plain surfaces; the second can be closed. Keeps what the
// raster told it: drawn notices, and each text as "window x,y text face height colour mode".
struct TwoWindows {
  raster::Surface first, second;
  bool secondOpen = true;
  std::vector<HWND> drawn;
  std::vector<std::string> texts;
} windows;

raster::Surface* ClientOf(HWND window) {
  if (window == kFirst) return &windows.first;
  return window == kSecond && windows.secondOpen ? &windows.second : nullptr;
}
void Drawn(HWND window) { windows.drawn.push_back(window); }
void DrawText(raster::Surface& surface, HWND window, int x, int y, const char* text, int length,
              const LOGFONTA& font, COLORREF color, int bkMode) {
  char line[200];
  std::snprintf(line, sizeof line, "%p%s %d,%d %.*s %s %ld %06lX %d", static_cast<void*>(window),
                &surface == &windows.first ? " first" : "", x, y, length, text, font.lfFaceName,
                static_cast<long>(font.lfHeight), static_cast<unsigned long>(color), bkMode);
  windows.texts.push_back(line);
}

TEST(RasterWithoutWindowSystem, HasNoWindowsAndDrawsNoTextButStillDrawsInMemory) {
  EXPECT_EQ(GetDC(kFirst), nullptr);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, CreateCompatibleBitmap(memory, 8, 8));
  EXPECT_FALSE(TextOutA(memory, 0, 0, "ab", 2));
  SetPixel(memory, 3, 4, kRed);
  EXPECT_EQ(GetPixel(memory, 3, 4), kRed);
  DeleteObject(SelectObject(memory, old));
  DeleteDC(memory);
  HDC screen = GetDC(nullptr);  // the screen context needs no window system
  EXPECT_NE(screen, nullptr);
  ReleaseDC(nullptr, screen);
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
  EXPECT_TRUE(windows.texts.empty());
  raster::HandWindowSystem({});
}

TEST(HandedWindowSystem, TextReachesTheDrawerWithTheSelectedFontColourAndMode) {
  windows = TwoWindows{};
  windows.first.Resize(30, 20);
  raster::HandWindowSystem({ClientOf, Drawn, DrawText});
  LOGFONTA lf{};
  lf.lfHeight = 12;
  std::strcpy(lf.lfFaceName, "Cell");
  HFONT font = CreateFontIndirectA(&lf);
  HDC dc = GetDC(kFirst);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, kRed);
  SetBkMode(dc, TRANSPARENT);
  EXPECT_TRUE(TextOutA(dc, 4, 5, "xyz", 2));  // the count, not the terminator, ends the text
  SelectObject(dc, oldFont);
  ReleaseDC(kFirst, dc);
  DeleteObject(font);

  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(memory, CreateCompatibleBitmap(memory, 8, 8));
  EXPECT_TRUE(TextOutA(memory, 1, 2, "m", 1));  // default font, colour and mode
  DeleteObject(SelectObject(memory, oldBitmap));
  DeleteDC(memory);

  ASSERT_EQ(windows.texts.size(), 2u);
  EXPECT_EQ(windows.texts[0], "0x1000 first 4,5 xy Cell 12 0000FF 1");
  EXPECT_EQ(windows.texts[1].substr(windows.texts[1].find(' ')), " 1,2 m  16 000000 2");
  EXPECT_EQ(windows.drawn, (std::vector<HWND>{kFirst}));  // only the window's text
  raster::HandWindowSystem({});
}

}  // namespace
