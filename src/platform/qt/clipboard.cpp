// Qt backend, the clipboard: CF_BITMAP only. A bitmap set on the clipboard becomes an image on
// the system clipboard (and on X11's selection too), which other programs paste as PNG or BMP
// while this one runs. The clipboard owns the bitmap from then on and deletes it when it is
// replaced or emptied.
#include <QApplication>
#include <QClipboard>
#include <QImage>

#include "platform/qt/qt_windows.h"

namespace {

struct ClipboardState {
  bool open = false;
  HWND owner = nullptr;
  HBITMAP bitmap = nullptr;  // owned
};

ClipboardState& C() {
  static ClipboardState state;
  return state;
}

void DropOwnedBitmap() {
  if (C().bitmap) DeleteObject(C().bitmap);
  C().bitmap = nullptr;
}

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

BOOL WINAPI OpenClipboard(HWND owner) {
  if (C().open) return FALSE;
  qtbackend::EnsureApplication();
  C().open = true;
  C().owner = owner;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!C().open) return FALSE;
  DropOwnedBitmap();
  QApplication::clipboard()->clear(QClipboard::Clipboard);
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  raster::Bitmap* bitmap = raster::ToBitmap(data);
  if (!C().open || format != CF_BITMAP || !bitmap) return nullptr;
  const QImage image = ImageOf(bitmap->surface);
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setImage(image, QClipboard::Clipboard);
  if (clipboard->supportsSelection()) clipboard->setImage(image, QClipboard::Selection);
  if (C().bitmap != data) DropOwnedBitmap();
  C().bitmap = static_cast<HBITMAP>(data);
  return data;
}

BOOL WINAPI CloseClipboard() {
  if (!C().open) return FALSE;
  C().open = false;
  C().owner = nullptr;
  return TRUE;
}
