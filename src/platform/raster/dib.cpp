// Bitmap descriptions and device-independent capture.
#include <algorithm>
#include <cstring>

#include "platform/raster/surface.h"

using namespace raster;

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID out) {
  GdiObject* o = ToObject(object);
  if (!o) return 0;
  if (o->kind == ObjectKind::Bitmap) {
    if (!out) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    const auto* bitmap = static_cast<Bitmap*>(o);
    BITMAP info{};
    info.bmWidth = bitmap->surface.width;
    info.bmHeight = bitmap->surface.height;
    info.bmWidthBytes = bitmap->surface.width * 4;
    info.bmPlanes = 1;
    info.bmBitsPixel = static_cast<WORD>(bitmap->bitsPerPixel);
    std::memcpy(out, &info, sizeof info);
    return sizeof(BITMAP);
  }
  return 0;
}

// Supports the layout of the program's captures, BI_RGB at 32 bits: rows bottom-up for a
// positive biHeight, top-down for a negative one. Without a pixel buffer it only completes the
// header. The fourth byte of a pixel is 0.
int WINAPI GetDIBits(HDC hdc, HBITMAP hbitmap, UINT startScan, UINT scanLines, LPVOID bits,
                     BITMAPINFO* info, UINT usage) {
  Bitmap* bitmap = ToBitmap(hbitmap);
  if (!ToDc(hdc) || !bitmap || !info || usage != DIB_RGB_COLORS) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  const Surface& s = bitmap->surface;
  if (h.biBitCount == 0) {
    h.biWidth = s.width;
    h.biHeight = s.height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitmap->bitsPerPixel);
    h.biCompression = BI_RGB;
  }
  if (h.biCompression != BI_RGB || h.biBitCount != 32) return 0;
  const long width = h.biWidth;
  const long height = h.biHeight < 0 ? -static_cast<long>(h.biHeight) : h.biHeight;
  if (width <= 0 || height <= 0) return 0;
  const long stride = width * 4;
  // A size that biSizeImage cannot hold would be announced cut short, and the caller's buffer
  // made too small for the rows.
  if (static_cast<unsigned long long>(stride) * static_cast<unsigned long long>(height) >
      0xFFFFFFFFull)
    return 0;
  if (!bits) {
    h.biSizeImage = static_cast<DWORD>(stride * height);
    return 1;
  }
  const bool bottomUp = h.biHeight > 0;
  auto* out = static_cast<BYTE*>(bits);
  int copied = 0;
  for (UINT line = startScan; line < startScan + scanLines && line < static_cast<UINT>(height);
       ++line) {
    // Scan line 0 of a bottom-up DIB is the bitmap's bottom row.
    const long y = bottomUp ? height - 1 - line : line;
    BYTE* row = out + static_cast<std::size_t>(line - startScan) * stride;
    // Pixels of the bitmap; what lies beyond them (a header wider or taller than the bitmap) is
    // 0.
    const long present = y < s.height ? std::min(width, static_cast<long>(s.width)) : 0;
    const std::uint32_t* src = present ? s.Row(static_cast<int>(y)) : nullptr;
    // 0x00RRGGBB stored little-endian is already blue, green, red, 0: whole pixels at once.
    for (long x = 0; x < present; ++x) {
      const std::uint32_t p = src[x] & 0xFFFFFF;
      std::memcpy(row + 4 * x, &p, 4);
    }
    std::memset(row + present * 4, 0, static_cast<std::size_t>(stride - present * 4));
    ++copied;
  }
  return copied;
}
