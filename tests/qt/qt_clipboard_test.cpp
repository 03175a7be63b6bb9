// The clipboard on Qt: a bitmap becomes the system clipboard's image, pixel for pixel, and the
// clipboard owns it.
#include <QClipboard>

#include "platform/raster/surface.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

HBITMAP MakeBitmap(int width, int height, COLORREF first) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, width, height);
  raster::Surface& s = raster::ToBitmap(bitmap)->surface;
  for (int i = 0; i < width * height; ++i)
    s.pixels[i] = raster::PixelFromColorref(first) + static_cast<std::uint32_t>(i);
  return bitmap;
}

void Copy(HWND owner, HBITMAP bitmap) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_BITMAP, bitmap);
  CloseClipboard();
}

}  // namespace

TEST(Clipboard, BitmapBecomesTheSystemImagePixelForPixel) {
  HWND hwnd = MakeWindow();
  HBITMAP bitmap = MakeBitmap(7, 3, RGB(10, 20, 30));
  Copy(hwnd, bitmap);
  const QImage image = QApplication::clipboard()->image();
  ASSERT_EQ(image.size(), QSize(7, 3));
  EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(image.pixel(6, 2), qRgb(10, 20, 30 + 20));
  if (QApplication::clipboard()->supportsSelection()) {
    EXPECT_EQ(QApplication::clipboard()->image(QClipboard::Selection).size(), QSize(7, 3));
  }

  ASSERT_TRUE(OpenClipboard(hwnd));
  HANDLE back = GetClipboardData(CF_BITMAP);
  ASSERT_NE(back, nullptr);
  BITMAP info{};
  GetObjectA(back, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 7);
  EXPECT_EQ(info.bmHeight, 3);
  CloseClipboard();
}

TEST(Clipboard, OwnsTheBitmapAndDeletesItWhenReplaced) {
  HWND hwnd = MakeWindow();
  HBITMAP first = MakeBitmap(4, 4, RGB(1, 1, 1));
  Copy(hwnd, first);
  BITMAP info{};
  EXPECT_NE(GetObjectA(first, sizeof info, &info), 0);  // alive, held by the clipboard
  const int held = raster::LiveObjectCount();
  Copy(hwnd, MakeBitmap(5, 5, RGB(2, 2, 2)));
  EXPECT_EQ(raster::LiveObjectCount(), held);  // one made, the first one deleted
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(5, 5));
}
