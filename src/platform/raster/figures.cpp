// Rectangle, Ellipse and lines: the figures the program draws, with the pixel rules of
// surface.h (corners in order, right and bottom edges excluded, end point excluded, clipped).
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/raster/surface.h"

namespace raster {
namespace {

// Callers must clip: (x, y) lies inside the surface.
inline void Put(Surface& s, int x, int y, std::uint32_t pixel) {
  s.RowToWrite(y, x, x + 1)[x] = pixel;
}

inline bool Inside(const Surface& s, int x, int y) {
  return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

void FillSpan(Surface& s, int y, int x0, int x1, std::uint32_t pixel) {
  if (y < 0 || y >= s.height) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, s.width);
  if (x0 < x1) FillPixels(s.RowToWrite(y, x0, x1) + x0, static_cast<std::size_t>(x1 - x0), pixel);
}

void Order(int& a, int& b) {
  if (a > b) std::swap(a, b);
}

}  // namespace
}  // namespace raster

using namespace raster;

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return FALSE;
  Surface* s = TargetSurface(dc);
  if (!s) return FALSE;
  Order(left, right);
  Order(top, bottom);
  if (left == right || top == bottom) return TRUE;
  const std::uint32_t fill = PixelFromColorref(dc->brush->color);
  const std::uint32_t ring = dc->pen->null ? fill : PixelFromColorref(dc->pen->color);
  const int x0 = std::max(left, 0), x1 = std::min(right, s->width);
  const int y0 = std::max(top, 0), y1 = std::min(bottom, s->height);
  if (x0 >= x1 || y0 >= y1) return TRUE;
  if (ring == fill && x0 == 0 && x1 == s->width) {
    if (dc->kind != DcKind::Memory) {
      // Whole rows of a window (the picture view's grey): left pending, mostly to be
      // overwritten.
      s->FillRows(y0, y1, fill);
    } else {
      // Whole rows of a bitmap (the Canvas's grey) are filled at once, one fill for all:
      // SetPixel writes bitmaps without looking for pending fills, since a look there would
      // cost the renderer's 36,000 calls more than the fill.
      FillPixels(s->Pixels() + static_cast<std::size_t>(y0) * s->width,
                 static_cast<std::size_t>(y1 - y0) * s->width, fill);
    }
  } else if (ring == fill) {
    // One colour: every filled rectangle the program draws, a row at a time.
    for (int y = y0; y < y1; ++y) FillSpan(*s, y, x0, x1, fill);
  } else {
    for (int y = y0; y < y1; ++y) {
      if (y == top || y == bottom - 1) {
        FillSpan(*s, y, x0, x1, ring);
        continue;
      }
      FillSpan(*s, y, x0, x1, fill);
      if (left >= 0) Put(*s, left, y, ring);
      if (right - 1 < s->width) Put(*s, right - 1, y, ring);
    }
  }
  NoteDrawn(dc);
  return TRUE;
}

// The ellipse inscribed in columns left .. right - 1 and rows top .. bottom - 1: a pixel
// belongs to it when its centre lies inside. Working in half-pixel units from the box's centre
// keeps the test exact in integers and the figure symmetric left-right and top-bottom. Pixels
// of the figure with a 4-neighbour outside it form the outline, drawn with the pen.
// Real GDI rasterises the edge differently (its 4 x 8 ellipse leaves the box's first and last
// rows empty, where this one reaches them): the edge is left to each implementation, and the
// program only needs a solid blob inside the box, which both give (gdi_conformance_test).
BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return FALSE;
  Surface* s = TargetSurface(dc);
  if (!s) return FALSE;
  Order(left, right);
  Order(top, bottom);
  const std::int64_t w = right - left, h = bottom - top;
  if (w == 0 || h == 0) return TRUE;
  auto inside = [&](int x, int y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const std::int64_t dx = 2 * (x - left) + 1 - w, dy = 2 * (y - top) + 1 - h;
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
  };
  const std::uint32_t fill = PixelFromColorref(dc->brush->color);
  const std::uint32_t ring = dc->pen->null ? fill : PixelFromColorref(dc->pen->color);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (!inside(x, y) || !Inside(*s, x, y)) continue;
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      Put(*s, x, y, edge ? ring : fill);
    }
  }
  NoteDrawn(dc);
  return TRUE;
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->position;
  dc->position = {x, y};
  return TRUE;
}

// Bresenham from the current position up to, not including, (x, y); the position moves there.
BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return FALSE;
  Surface* s = TargetSurface(dc);
  int x0 = dc->position.x, y0 = dc->position.y;
  dc->position = {x, y};
  if (!s || dc->pen->null) return TRUE;
  const std::uint32_t pixel = PixelFromColorref(dc->pen->color);
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (x0 != x || y0 != y) {
    if (Inside(*s, x0, y0)) Put(*s, x0, y0, pixel);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
  NoteDrawn(dc);
  return TRUE;
}
