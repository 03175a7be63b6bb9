// GDI handles: an object selected into a context cannot be deleted out from under it, and a
// handle that was deleted, belongs to something else or was never ours is refused by every
// call without reading freed memory (this file runs under AddressSanitizer in the sanitizer
// build, which reports any such read).
#include <gtest/gtest.h>

#include <vector>

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TEST(GdiHandles, SelectedPenBrushFontAndBitmapRefuseDeletionAndStayUsable) {
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HBRUSH brush = CreateSolidBrush(kGreen);
  LOGFONTA logfont{};
  logfont.lfHeight = 12;
  HFONT font = CreateFontIndirectA(&logfont);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldFont = SelectObject(dc, font);
  for (HGDIOBJ selected : std::vector<HGDIOBJ>{bitmap, pen, brush, font})
    EXPECT_FALSE(DeleteObject(selected));

  // Still there: the rectangle takes the pen's ring and the brush's inside, on the bitmap.
  EXPECT_TRUE(Rectangle(dc, 0, 0, 5, 5));
  EXPECT_EQ(std::pair(GetPixel(dc, 0, 0), GetPixel(dc, 2, 2)), std::pair(kRed, kGreen));

  // Selected out, each can go, once; the second deletion of a handle finds nothing.
  EXPECT_EQ(SelectObject(dc, oldPen), pen);
  EXPECT_EQ(SelectObject(dc, oldBrush), brush);
  EXPECT_EQ(SelectObject(dc, oldFont), font);
  EXPECT_EQ(SelectObject(dc, oldBitmap), bitmap);
  for (HGDIOBJ freed : std::vector<HGDIOBJ>{bitmap, pen, brush, font}) {
    EXPECT_TRUE(DeleteObject(freed));
    EXPECT_FALSE(DeleteObject(freed));
  }
  // A context that is deleted lets go of what it held.
  HPEN last = CreatePen(PS_SOLID, 1, kBlue);
  SelectObject(dc, last);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_TRUE(DeleteObject(last));
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

TEST(GdiHandles, StaleForeignAndReusedHandlesAreRefusedByEveryCall) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  SelectObject(dc, bitmap);
  HPEN stalePen = CreatePen(PS_SOLID, 1, kRed);
  ASSERT_TRUE(DeleteObject(stalePen));
  HDC staleDc = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(DeleteDC(staleDc));
  // The freed slots are taken again at once: the old handles must not reach the new objects.
  HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_NE(pen, stalePen);
  EXPECT_NE(other, staleDc);

  int local = 0;
  const std::vector<HGDIOBJ> badObjects = {
      stalePen, reinterpret_cast<HGDIOBJ>(&local), reinterpret_cast<HGDIOBJ>(dc),
      reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(6)),
      reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(-1))};
  for (HGDIOBJ bad : badObjects) {
    EXPECT_EQ(SelectObject(dc, bad), nullptr) << bad;
    EXPECT_FALSE(DeleteObject(bad)) << bad;
    BITMAP info{};
    EXPECT_EQ(GetObjectA(bad, sizeof info, &info), 0) << bad;
    EXPECT_EQ(SelectPalette(dc, reinterpret_cast<HPALETTE>(bad), FALSE), nullptr) << bad;
  }
  const std::vector<HDC> badContexts = {staleDc, reinterpret_cast<HDC>(&local),
                                        reinterpret_cast<HDC>(bitmap),
                                        reinterpret_cast<HDC>(static_cast<std::uintptr_t>(-1))};
  for (HDC bad : badContexts) {
    EXPECT_EQ(SetPixel(bad, 0, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(bad, 0, 0, 2, 2));
    EXPECT_FALSE(LineTo(bad, 2, 2));
    EXPECT_FALSE(BitBlt(bad, 0, 0, 2, 2, dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 2, 2, bad, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(bad, pen), nullptr);
    EXPECT_FALSE(DeleteDC(bad));
    EXPECT_EQ(ReleaseDC(nullptr, bad), 0);
  }
  // The live ones work, and the refusals changed nothing.
  EXPECT_EQ(SelectObject(other, GetStockObject(WHITE_BRUSH)), GetStockObject(WHITE_BRUSH));
  EXPECT_NE(SelectObject(dc, pen), nullptr);
  EXPECT_TRUE(Rectangle(dc, 0, 0, 3, 3));
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlue);
  EXPECT_EQ(GetPixel(dc, 3, 3), 0u);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteDC(other));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_TRUE(DeleteObject(bitmap));
}

}  // namespace
