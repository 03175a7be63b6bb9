// Qt backend, the clipboard: a bitmap set on it becomes an image on the system clipboard (and on
// X11's selection too), which other programs paste as PNG or BMP while this one runs.
#include <QApplication>
#include <QClipboard>
#include <QImage>

#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

void backend::ClipboardFilled(HBITMAP bitmap) {
  qtbackend::EnsureApplication();
  const raster::Surface& s = raster::ToBitmap(bitmap)->surface;
  const QImage image = qtbackend::OpaqueCopy(s, 0, 0, s.width, s.height);
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setImage(image, QClipboard::Clipboard);
  if (clipboard->supportsSelection()) clipboard->setImage(image, QClipboard::Selection);
}

void backend::ClipboardEmptied() {
  qtbackend::EnsureApplication();
  QApplication::clipboard()->clear(QClipboard::Clipboard);
}
