#include "platform/true_color_bitmap.h"

// Every bitmap of the raster core is 32 bits per pixel, whatever surface it is made for.
HBITMAP CreateTrueColorBitmap(HDC reference, int width, int height) {
  return CreateCompatibleBitmap(reference, width, height);
}
