// Qt backend, the widgets of a top-level window: the frame with its menu bar, and the client
// widget that shows the window's pixel buffer, hosts the child controls and turns pointer
// events into messages.
//
// Every buffer of a window grows with it (the pixel buffer, the image the painter is given and
// Qt's own backing store, about 12 bytes a pixel), while the program draws nothing that needs
// more than a screen: its views, its controls and the grey around them. So a window is never
// larger than the desktop it is on (as on Windows, where a window cannot be dragged larger than
// the screen), the pixel buffer is never larger than that either, and whatever lies beyond the
// buffer is painted as the continuation of its last column and row, without a buffer.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {

class MainFrame : public QWidget {
 public:
  explicit MainFrame(HWND hwnd);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  HWND hwnd_;
};

class ClientArea : public QWidget {
 public:
  explicit ClientArea(HWND hwnd, QWidget* parent);
  // Something was drawn into the buffer: show it at the next chance.
  void Drawn();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void PostMouse(UINT msg, QMouseEvent* event);
  // Shows the pixel buffer within area; null when there was no memory for the image.
  bool PaintBuffer(QPainter& painter, const QRect& area, const raster::Surface& s);

  HWND hwnd_;
  QImage shown_;  // the buffer made opaque, for the painter; null when it could not be made
  bool updatePending_ = false;
  Qt::MouseButtons pressed_;  // presses already reported and not yet released
};

// The largest size a window (or its pixel buffer) gets: the desktop of the widget's screen.
QSize LargestWindowSize(const QWidget* widget);

}  // namespace qtbackend
