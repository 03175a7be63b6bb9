// Qt backend, the widgets of a top-level window: the frame with its menu bar, and the client
// widget that shows the window's pixel buffer, hosts the child controls and turns pointer
// events into messages.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/qt/qt_windows.h"

namespace qtbackend {

class MainFrame : public QWidget {
 public:
  explicit MainFrame(HWND hwnd);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

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

  HWND hwnd_;
  QImage shown_;  // the buffer made opaque, for the painter
  bool updatePending_ = false;
  Qt::MouseButtons pressed_;  // presses already reported and not yet released
};

// Tells the window procedure the client size (WM_SIZE) when it changed or was never told.
void ReportClientSize(Window* w, WPARAM kind);

}  // namespace qtbackend
