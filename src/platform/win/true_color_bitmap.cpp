#include "platform/true_color_bitmap.h"

// A DIB section of 32 bits per pixel rather than a bitmap compatible with the display, whose
// depth may be 16 bits. Bitmaps later made compatible with a surface that holds it (the
// exported picture, the clipboard copy) are DIB sections of the same format.
HBITMAP CreateTrueColorBitmap(HDC reference, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as the exported file is
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}
