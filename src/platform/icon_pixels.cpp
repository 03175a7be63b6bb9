// Decoding of the icons' pixel rows, shared by the backends and by the Windows build's icon
// writer, which knows nothing else of the module.
#include "platform/module.h"

int IconPixelIndex(const IconImageResource& image, int x, int y) {
  const char c = image.pixels[y * image.size + x];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // '.'
}
