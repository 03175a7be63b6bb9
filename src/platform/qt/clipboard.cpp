// Qt backend, the clipboard: a bitmap set on it becomes an image on the system clipboard (and on
// X11's selection too), which other programs paste as PNG or BMP while this one runs.
#include <QApplication>
#include <QClipboard>
#include <QImage>

#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace {

QImage ImageOf(const raster::Surface& s) {
  QImage image(s.width, s.height, QImage::Format_RGB32);
  for (int y = 0; y < s.height; ++y) {
    const std::uint32_t* from = s.Row(y);
    auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = 0; x < s.width; ++x) to[x] = from[x] | 0xFF000000u;
  }
  return image;
}

}  // namespace

void backend::ClipboardFilled(HBITMAP bitmap) {
  qtbackend::EnsureApplication();
  const QImage image = ImageOf(raster::ToBitmap(bitmap)->surface);
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setImage(image, QClipboard::Clipboard);
  if (clipboard->supportsSelection()) clipboard->setImage(image, QClipboard::Selection);
}

void backend::ClipboardEmptied() {
  qtbackend::EnsureApplication();
  QApplication::clipboard()->clear(QClipboard::Clipboard);
}
