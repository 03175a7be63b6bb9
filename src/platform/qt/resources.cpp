// Qt backend, module resources: strings, icons (4-bit images as data become pixmaps), the
// arrow cursor and the accelerator tables.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

#include "platform/module.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {
namespace {

QPixmap PixmapOf(const IconImageResource& image) {
  QImage out(image.size, image.size, QImage::Format_ARGB32);
  for (int y = 0; y < image.size; ++y)
    for (int x = 0; x < image.size; ++x) {
      const int index = IconPixelIndex(image, x, y);
      if (index < 0) {
        out.setPixel(x, y, 0u);
      } else {
        const COLORREF color = image.palette[index];
        out.setPixel(x, y, qRgb(GetRValue(color), GetGValue(color), GetBValue(color)));
      }
    }
  return QPixmap::fromImage(out);
}

}  // namespace

QPixmap IconPixmap(HICON icon, int size) {
  // Anything but a handle LoadIconA handed out finds no icon.
  const IconResource* resource = IconResourceOfHandle(icon);
  if (!resource || resource->images.empty()) return QPixmap();
  const IconImageResource* best = &resource->images.front();
  for (const IconImageResource& image : resource->images)
    if (std::abs(image.size - size) < std::abs(best->size - size)) best = &image;
  return PixmapOf(*best);
}

}  // namespace qtbackend
