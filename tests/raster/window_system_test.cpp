// The raster core and the window system it is handed: a window's client pixels and the text
// drawer come only from what was handed, a window that is gone takes no drawing, and text
// reaches the drawer with the context's font, colour and mode.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "platform/raster/window_system.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A window system of two windows whose client areas are plain surfaces; window 2 can be
// closed. It keeps what the raster told it.
struct TwoWindows {
  raster::Surface first, second;
  bool secondOpen = true;
  std::vector<HWND> drawnNotices;
  struct Text {
    raster::Surface* surface;
    HWND window;
    int x, y;
    std::string text;
    std::string face;
    LONG height;
    COLORREF color;
    int bkMode;
  };
  std::vector<Text> texts;
};
TwoWindows* handed = nullptr;

const HWND kFirst = reinterpret_cast<HWND>(0x1000);
const HWND kSecond = reinterpret_cast<HWND>(0x2000);

raster::Surface* ClientOf(HWND window) {
  if (window == kFirst) return &handed->first;
  if (window == kSecond && handed->secondOpen) return &handed->second;
  return nullptr;
}
void Drawn(HWND window) { handed->drawnNotices.push_back(window); }
void DrawText(raster::Surface& surface, HWND window, int x, int y, const char* text, int length,
              const LOGFONTA& font, COLORREF color, int bkMode) {
  handed->texts.push_back({&surface, window, x, y, std::string(text, length), font.lfFaceName,
                           font.lfHeight, color, bkMode});
}

class HandedWindowSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    handed = &windows;
    windows.first.Resize(30, 20);
    windows.second.Resize(30, 20);
    raster::HandWindowSystem({ClientOf, Drawn, DrawText});
  }
  void TearDown() override {
    raster::HandWindowSystem({});
    handed = nullptr;
  }
  TwoWindows windows;
};

TEST(RasterWithoutWindowSystem, HasNoWindowsAndDrawsNoTextButStillDrawsInMemory) {
  EXPECT_EQ(GetDC(kFirst), nullptr);
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(memory, 8, 8);
  HGDIOBJ old = SelectObject(memory, bitmap);
  EXPECT_FALSE(TextOutA(memory, 0, 0, "ab", 2));
  EXPECT_EQ(SetPixel(memory, 3, 4, kRed), kRed);
  EXPECT_EQ(GetPixel(memory, 3, 4), kRed);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  HDC screen = GetDC(nullptr);  // the screen context needs no window system
  EXPECT_NE(screen, nullptr);
  ReleaseDC(nullptr, screen);
}

TEST_F(HandedWindowSystem, AWindowContextDrawsOnThatWindowsPixelsAndSaysSo) {
  HDC dc = GetDC(kSecond);
  ASSERT_NE(dc, nullptr);
  SetPixel(dc, 2, 3, kBlue);
  SetPixel(dc, 29, 19, kRed);
  ReleaseDC(kSecond, dc);

  EXPECT_EQ(windows.second.Row(3)[2], 0x0000FFu);
  EXPECT_EQ(windows.second.Row(19)[29], 0xFF0000u);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(windows.first.Row(y)[x], 0u) << x << "," << y;
  EXPECT_EQ(windows.drawnNotices, (std::vector<HWND>{kSecond, kSecond}));
}

TEST_F(HandedWindowSystem, AWindowThatIsGoneGivesNoContextAndItsOldContextDrawsNothing) {
  EXPECT_EQ(GetDC(reinterpret_cast<HWND>(0x3000)), nullptr);
  HDC dc = GetDC(kSecond);
  ASSERT_NE(dc, nullptr);
  windows.secondOpen = false;
  windows.second = raster::Surface{};  // its pixels are freed with it
  EXPECT_EQ(SetPixel(dc, 1, 1, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
  EXPECT_FALSE(TextOutA(dc, 0, 0, "a", 1));
  EXPECT_TRUE(windows.drawnNotices.empty());
  EXPECT_TRUE(windows.texts.empty());
  EXPECT_EQ(GetDC(kSecond), nullptr);
  ReleaseDC(kSecond, dc);
}

TEST_F(HandedWindowSystem, TextReachesTheDrawerWithTheSelectedFontColourAndMode) {
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

  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(memory, 8, 8);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  EXPECT_TRUE(TextOutA(memory, 1, 2, "m", 1));  // default font, colour and mode
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  DeleteObject(font);

  ASSERT_EQ(windows.texts.size(), 2u);
  const TwoWindows::Text& onWindow = windows.texts[0];
  EXPECT_EQ(onWindow.surface, &windows.first);
  EXPECT_EQ(onWindow.window, kFirst);
  EXPECT_EQ(std::tuple(onWindow.x, onWindow.y, onWindow.text), std::tuple(4, 5, "xy"));
  EXPECT_EQ(std::tuple(onWindow.face, onWindow.height), std::tuple("Cell", 12));
  EXPECT_EQ(std::tuple(onWindow.color, onWindow.bkMode), std::tuple(kRed, TRANSPARENT));
  const TwoWindows::Text& onBitmap = windows.texts[1];
  EXPECT_EQ(onBitmap.window, nullptr);
  EXPECT_NE(onBitmap.surface, &windows.first);
  EXPECT_EQ(std::tuple(onBitmap.text, onBitmap.color, onBitmap.bkMode),
            std::tuple("m", COLORREF{0}, OPAQUE));
  // Only the window's text was a drawing on a window.
  EXPECT_EQ(windows.drawnNotices, (std::vector<HWND>{kFirst}));
}

}  // namespace
