// Single pixels and block copies.
#include <algorithm>
#include <cstring>

#include "platform/raster/surface.h"

using namespace raster;

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return CLR_INVALID;
  Surface* s = TargetSurface(dc);
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
  return ColorrefFromPixel(s->Row(y)[x]);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return CLR_INVALID;
  Surface* s = TargetSurface(dc);
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
  s->Row(y)[x] = PixelFromColorref(color);
  if (dc->kind == DcKind::Window) NoteDrawn(dc);
  return color & 0xFFFFFF;
}

// SRCCOPY of a width x height block, clipped to both surfaces: the part of the source block
// that lies outside the source is not copied, and neither is what would land outside the
// destination. Source and destination may be one surface; overlapping blocks copy as if
// through a temporary.
BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
  DeviceContext* dd = ToDc(dest);
  DeviceContext* sd = ToDc(source);
  if (!dd || !sd || rop != SRCCOPY) return FALSE;
  Surface* ds = TargetSurface(dd);
  Surface* ss = TargetSurface(sd);
  if (!ds || !ss || width <= 0 || height <= 0) return FALSE;

  auto clipStart = [&](int& from, int& to, int& extent) {
    const int cut = std::max(0 - from, 0 - to);
    if (cut > 0) {
      from += cut;
      to += cut;
      extent -= cut;
    }
  };
  clipStart(sourceX, x, width);
  clipStart(sourceY, y, height);
  width = std::min({width, ss->width - sourceX, ds->width - x});
  height = std::min({height, ss->height - sourceY, ds->height - y});
  if (width <= 0 || height <= 0) return TRUE;

  const std::size_t bytes = sizeof(std::uint32_t) * width;
  if (ss == ds && y > sourceY) {
    for (int row = height - 1; row >= 0; --row)
      std::memmove(ds->Row(y + row) + x, ss->Row(sourceY + row) + sourceX, bytes);
  } else {
    for (int row = 0; row < height; ++row)
      std::memmove(ds->Row(y + row) + x, ss->Row(sourceY + row) + sourceX, bytes);
  }
  NoteDrawn(dd);
  return TRUE;
}
