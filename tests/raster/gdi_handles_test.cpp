// GDI handles: an object selected into a context cannot be deleted out from under it, and a
// handle that was deleted, belongs to something else or was never ours is refused by every
// call without reading freed memory (this file runs under AddressSanitizer in the sanitizer
// build, which reports any such read).
#include <gtest/gtest.h>

#include <vector>

#include "platform/raster/surface.h"
#include "platform/win32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

TEST(GdiHandles, SelectedObjectsStayAndStaleForeignAndReusedHandlesAreRefusedByEveryCall) {
  const int objects = raster::LiveObjectCount(), contexts = raster::LiveContextCount();
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
  // The live ones work, and the refusals changed nothing. Selected objects cannot be deleted
  // out from under their context; a context deleted lets go of what it held.
  EXPECT_EQ(SelectObject(other, GetStockObject(WHITE_BRUSH)), GetStockObject(WHITE_BRUSH));
  EXPECT_NE(SelectObject(dc, pen), nullptr);
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_TRUE(Rectangle(dc, 0, 0, 3, 3));
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlue);
  EXPECT_EQ(GetPixel(dc, 3, 3), 0u);
  EXPECT_TRUE(DeleteDC(other));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(std::pair(raster::LiveObjectCount(), raster::LiveContextCount()),
            std::pair(objects, contexts));
}

}  // namespace
