// Single pixels and block copies.
#include <algorithm>
#include <cassert>
#include <cstring>

#include "platform/raster/surface.h"

using namespace raster;

namespace {

// How many columns row y of a memory context's bitmap has: the width, or none for a row outside
// the bitmap, so that one unsigned comparison of the column checks both axes and also rejects
// negative coordinates. It is worked out without a branch from fields read on every path: in a
// loop of calls along one row the compiler makes it once, and each pixel costs one comparison.
inline std::size_t ColumnsOfRow(const DeviceContext* dc, std::size_t row) {
  return dc->bitsWidth & (0 - static_cast<std::size_t>(row < dc->bitsHeight));
}

}  // namespace

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  // A memory context as in SetPixel: the renderer reads the 960 cells of the grid per picture.
  if (const DeviceContext* dc = ToMemoryDc(hdc)) {
    const auto column = static_cast<std::size_t>(x), row = static_cast<std::size_t>(y);
    if (column >= ColumnsOfRow(dc, row)) return CLR_INVALID;
    return ColorrefFromPixel(dc->bits[row * dc->bitsWidth + column]);
  }
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return CLR_INVALID;
  Surface* s = TargetSurface(dc);
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
  return ColorrefFromPixel(s->PixelAt(x, y));
}

namespace {

// Kept out of line so that the memory-context path of SetPixel saves no registers.
[[gnu::noinline]] COLORREF SetPixelOnTarget(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = ToDc(hdc);
  Surface* s = dc ? TargetSurface(dc) : nullptr;
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
  s->SetPixelAt(x, y, PixelFromColorref(color));
  NoteDrawn(dc);
  return color & 0xFFFFFF;
}

}  // namespace

// SetPixel runs once per pixel (a stereogram sets 36,000 of them on the Canvas). A memory
// context, the common case, is told by its handle alone and handled here without a call, so
// that in a loop of calls on one context the compiler reads the context's fields once.
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = ToMemoryDc(hdc);
  if (!dc) return SetPixelOnTarget(hdc, x, y, color);
  assert(dc->bits == dc->bitmap->surface.Pixels() && "a selected bitmap was resized");
  assert(!dc->bitmap->surface.HasPending() && "a bitmap was filled lazily");
  const auto column = static_cast<std::size_t>(x), row = static_cast<std::size_t>(y);
  if (column >= ColumnsOfRow(dc, row)) return CLR_INVALID;
  dc->bits[row * dc->bitsWidth + column] = PixelFromColorref(color);
  return color & 0xFFFFFF;
}

namespace {

constexpr int kShortRow = 32;

// TargetSurface with the memory-context case inline: the renderer makes 968 block copies per
// picture, all but one within the Canvas.
inline Surface* SurfaceOf(DeviceContext* dc) {
  return dc->kind == DcKind::Memory ? &dc->bitmap->surface : TargetSurface(dc);
}

// Copies rows of 4 to kShortRow pixels whose spans do not overlap, stepping from row to row by
// the surfaces' widths (negative: upwards). Fixed-size pieces compile to plain moves; a width
// that is no multiple of 4 ends each row with a piece that overlaps the one before it (the
// renderer's 15-pixel blocks: four moves instead of three and three singles).
void CopyShortRows(std::uint32_t* to, std::ptrdiff_t toStep, const std::uint32_t* from,
                   std::ptrdiff_t fromStep, int width, int height) {
  constexpr std::size_t kPiece = 4 * sizeof(std::uint32_t);
  const int last = width - 4;
  for (int row = 0; row < height; ++row, to += toStep, from += fromStep) {
    for (int i = 0; i < last; i += 4) std::memcpy(to + i, from + i, kPiece);
    std::memcpy(to + last, from + last, kPiece);
  }
}

}  // namespace

// SRCCOPY of a width x height block, clipped to both surfaces: the part of the source block
// that lies outside the source is not copied, and neither is what would land outside the
// destination. Source and destination may be one surface; overlapping blocks copy as if
// through a temporary.
BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
  DeviceContext* dd = ToDc(dest);
  DeviceContext* sd = ToDc(source);
  if (!dd || !sd || rop != SRCCOPY) return FALSE;
  Surface* ds = SurfaceOf(dd);
  Surface* ss = SurfaceOf(sd);
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

  // Pending fills under the source block are settled before the destination's, which may
  // leave parts of the same rows pending. Bitmaps have none: the renderer's 968 copies within
  // the Canvas pass straight on.
  const std::uint32_t* from = ss->BlockToRead(sourceY, height, sourceX + width) + sourceX;
  std::uint32_t* to = ds->BlockToWrite(y, height, x, x + width) + x;

  // Row by row from the block's top, or from its bottom up when it overlaps itself lower down.
  std::ptrdiff_t toStep = ds->width, fromStep = ss->width;
  if (ss == ds && y > sourceY) {
    to += (height - 1) * toStep;
    from += (height - 1) * fromStep;
    toStep = -toStep;
    fromStep = -fromStep;
  }
  // Rows of the two blocks share memory only when they are the same row of one surface; then
  // the spans may overlap and need memmove. Otherwise short rows (the renderer copies 960
  // blocks 12 or 15 pixels wide per picture) are copied inline, sparing a library call a row.
  const bool spansMayOverlap =
      ss == ds && y == sourceY && x < sourceX + width && sourceX < x + width;
  const std::size_t bytes = sizeof(std::uint32_t) * width;
  if (!spansMayOverlap && width >= 4 && width <= kShortRow) {
    CopyShortRows(to, toStep, from, fromStep, width, height);
  } else {
    for (int row = 0; row < height; ++row, to += toStep, from += fromStep) {
      if (spansMayOverlap)
        std::memmove(to, from, bytes);
      else
        std::memcpy(to, from, bytes);
    }
  }
  if (dd->kind != DcKind::Memory) NoteDrawn(dd);
  return TRUE;
}
