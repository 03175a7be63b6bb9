// Qt backend, the widgets of a top-level window. See main_window.h.
#include "platform/qt/main_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace qtbackend {
namespace {

COLORREF BackgroundOf(const Window& w) { return raster::ClassBackgroundColor(w.background); }

WPARAM ButtonFlags(Qt::MouseButtons buttons) {
  WPARAM flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  return flags;
}

// The client beyond the buffer, within area: its last column stretched to the right, its last
// row stretched down, its corner pixel in the corner. The program's separator lines, its grey
// and its background run to the client's edges and continue so; each strip is painted from a
// one-pixel image, however large the window.
void PaintBeyondBuffer(QPainter& painter, const QRect& area, const raster::Surface& s,
                       COLORREF background) {
  const QRect buffer(0, 0, s.width, s.height);
  if (buffer.isEmpty()) {
    const std::uint32_t pixel = raster::PixelFromColorref(background);
    painter.fillRect(area, QColor::fromRgb(pixel | 0xFF000000u));
    return;
  }
  const QRect right = area & QRect(s.width, 0, area.right() + 1, s.height);
  if (!right.isEmpty()) {
    const QImage column = OpaqueCopy(s, s.width - 1, right.top(), 1, right.height());
    if (!column.isNull()) painter.drawImage(right, column);
  }
  const QRect below = area & QRect(0, s.height, s.width, area.bottom() + 1);
  if (!below.isEmpty()) {
    const QImage row = OpaqueCopy(s, below.left(), s.height - 1, below.width(), 1);
    if (!row.isNull()) painter.drawImage(below, row);
  }
  const QRect corner = area & QRect(s.width, s.height, area.right() + 1, area.bottom() + 1);
  if (!corner.isEmpty())
    painter.fillRect(corner, QColor::fromRgb(s.Row(s.height - 1)[s.width - 1] | 0xFF000000u));
}

}  // namespace

// Rows top.., columns left.., of the given size; the raster leaves the top byte 0, Qt's RGB32
// wants it set.
QImage OpaqueCopy(const raster::Surface& s, int left, int top, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = s.Row(top + y) + left;
    auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) to[x] = from[x] | 0xFF000000u;
  }
  return image;
}

QSize LargestWindowSize(const QWidget* widget) {
  const QScreen* screen = widget->screen();
  return screen ? screen->virtualSize() : QSize(4096, 4096);
}

MainFrame::MainFrame(HWND hwnd) : QWidget(nullptr), hwnd_(hwnd) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

// The close box asks the program; the window closes only through DestroyWindow.
void MainFrame::closeEvent(QCloseEvent* event) {
  Window* w = ToWindow(hwnd_);
  if (!w || w->destroying) {
    event->accept();
    return;
  }
  event->ignore();
  PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

// A window made larger than its desktop (a script, or a window manager that ignores the
// maximum size) is brought back to the largest size it may have.
void MainFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize most = LargestWindowSize(this);
  if (width() > most.width() || height() > most.height()) resize(size().boundedTo(most));
}

void MainFrame::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  Window* w = ToWindow(hwnd_);
  QWidget* client = ClientWidget(hwnd_);
  if (!w || !client) return;
  if (isMinimized())
    wm::SizeChanged(hwnd_, SIZE_MINIMIZED, 0, 0);
  else if (w->minimized)
    wm::SizeChanged(hwnd_, isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, w->client.width,
                    w->client.height);
}

ClientArea::ClientArea(HWND hwnd, QWidget* parent) : QWidget(parent), hwnd_(hwnd) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void ClientArea::Drawn() {
  if (updatePending_) return;
  updatePending_ = true;
  update();
}

void ClientArea::paintEvent(QPaintEvent* event) {
  updatePending_ = false;
  Window* w = ToWindow(hwnd_);
  if (!w) return;
  const raster::Surface& s = w->client;
  QPainter painter(this);
  const QRect area = event->rect() & QRect(0, 0, s.width, s.height);
  if (!area.isEmpty() && !PaintBuffer(painter, area, s))
    painter.fillRect(area,
                     QColor::fromRgb(raster::PixelFromColorref(BackgroundOf(*w)) | 0xFF000000u));
  // Only what can be seen: the client of a window that was made larger than its screen is
  // painted where it shows.
  QRect visible = event->rect();
  if (const QScreen* screen = this->screen())
    visible &= QRect(mapFromGlobal(screen->virtualGeometry().topLeft()), screen->virtualSize());
  PaintBeyondBuffer(painter, visible, s, BackgroundOf(*w));
  NoteClientPainted();
}

bool ClientArea::PaintBuffer(QPainter& painter, const QRect& area, const raster::Surface& s) {
  if (shown_.width() != s.width || shown_.height() != s.height)
    shown_ = QImage(s.width, s.height, QImage::Format_RGB32);
  if (shown_.isNull()) return false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const std::uint32_t* from = s.Row(y) + area.left();
    auto* to = reinterpret_cast<std::uint32_t*>(shown_.scanLine(y)) + area.left();
    for (int x = 0; x < area.width(); ++x) to[x] = from[x] | 0xFF000000u;
  }
  painter.drawImage(area.topLeft(), shown_, area);
  return true;
}

// The pixel buffer never grows beyond the desktop; the rest of the client shows as its
// continuation.
void ClientArea::resizeEvent(QResizeEvent*) {
  Window* w = ToWindow(hwnd_);
  if (!w || w->minimized) return;
  const QSize most = LargestWindowSize(this);
  wm::SizeChanged(hwnd_, window()->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED,
                  std::min(width(), most.width()), std::min(height(), most.height()));
}

void ClientArea::PostMouse(UINT msg, QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  PostMessageA(hwnd_, msg, ButtonFlags(event->buttons()), MAKELPARAM(p.x(), p.y()));
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) { PostMouse(WM_MOUSEMOVE, event); }

void ClientArea::mousePressEvent(QMouseEvent* event) {
  pressed_ |= event->button();
  if (event->button() == Qt::LeftButton) PostMouse(WM_LBUTTONDOWN, event);
  if (event->button() == Qt::RightButton) PostMouse(WM_RBUTTONDOWN, event);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ &= ~event->button();
  if (event->button() == Qt::LeftButton) PostMouse(WM_LBUTTONUP, event);
  if (event->button() == Qt::RightButton) PostMouse(WM_RBUTTONUP, event);
}

// Without CS_DBLCLKS a double click is two presses, as the class asks. Where Qt has already
// delivered the second press itself, the double click adds nothing unless the class wants it.
void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) {
  Window* w = ToWindow(hwnd_);
  const bool wantsDouble = w && (w->classStyle & CS_DBLCLKS);
  const bool pressSent = pressed_ & event->button();
  pressed_ |= event->button();
  if (pressSent && !wantsDouble) return;
  if (event->button() == Qt::LeftButton)
    PostMouse(wantsDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, event);
  if (event->button() == Qt::RightButton)
    PostMouse(wantsDouble ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN, event);
}

}  // namespace qtbackend
