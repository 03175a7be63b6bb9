// The colour a window class's background paints, shared by both backends' default erase.
#include <iterator>

#include "platform/raster/surface.h"

namespace raster {
namespace {

// The classic system colours, by COLOR_xxx index, as a default Windows desktop shows them.
COLORREF SystemColor(int index) {
  static const COLORREF colors[] = {
      RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
      RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
      RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
      RGB(171, 171, 171), RGB(51, 153, 255),  RGB(255, 255, 255), RGB(240, 240, 240),
      RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0)};
  if (index >= 0 && index < static_cast<int>(std::size(colors))) return colors[index];
  return RGB(240, 240, 240);
}

}  // namespace

COLORREF ClassBackgroundColor(HBRUSH brush) {
  // Small values name a system colour (COLOR_xxx + 1); anything else must be a brush of ours.
  const auto value = reinterpret_cast<UINT_PTR>(brush);
  if (value >= 1 && value <= 31) return SystemColor(static_cast<int>(value) - 1);
  if (GdiObject* o = ToObject(brush); o && o->kind == ObjectKind::Brush)
    return static_cast<Brush*>(o)->color;
  return RGB(255, 255, 255);
}

}  // namespace raster
