// Qt backend, the widgets of a top-level window. See main_window.h.
#include "platform/qt/main_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace qtbackend {
namespace {

constexpr WPARAM kSizeRestored = 0;
constexpr WPARAM kSizeMinimized = 1;
constexpr WPARAM kSizeMaximized = 2;

WPARAM ButtonFlags(Qt::MouseButtons buttons) {
  WPARAM flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  return flags;
}

}  // namespace

void ReportClientSize(Window* w, WPARAM kind) {
  if (!w->client) return;
  const int width = w->client->width(), height = w->client->height();
  if (w->sizeReported && width == w->reportedWidth && height == w->reportedHeight) return;
  w->sizeReported = true;
  w->reportedWidth = width;
  w->reportedHeight = height;
  SendMessageA(ToHandle(w), WM_SIZE, kind, MAKELPARAM(width, height));
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
  Post(hwnd_, WM_CLOSE, 0, 0);
}

void MainFrame::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  Window* w = ToWindow(hwnd_);
  if (!w || w->destroying) return;
  if (isMinimized()) {
    w->reportedWidth = w->reportedHeight = 0;
    SendMessageA(hwnd_, WM_SIZE, kSizeMinimized, 0);
  } else if (w->reportedWidth == 0 && w->reportedHeight == 0 && w->client) {
    ReportClientSize(w, isMaximized() ? kSizeMaximized : kSizeRestored);
    Invalidate(w, nullptr, true);
  }
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
  const raster::Surface& s = w->surface;
  if (shown_.width() != s.width || shown_.height() != s.height)
    shown_ = QImage(s.width, s.height, QImage::Format_RGB32);
  const QRect area = event->rect() & QRect(0, 0, s.width, s.height);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const std::uint32_t* from = s.Row(y) + area.left();
    auto* to = reinterpret_cast<std::uint32_t*>(shown_.scanLine(y)) + area.left();
    for (int x = 0; x < area.width(); ++x) to[x] = from[x] | 0xFF000000u;
  }
  QPainter painter(this);
  painter.drawImage(area.topLeft(), shown_, area);
  NoteClientPainted();
}

void ClientArea::resizeEvent(QResizeEvent*) {
  Window* w = ToWindow(hwnd_);
  if (!w || w->destroying) return;
  const int oldWidth = w->surface.width, oldHeight = w->surface.height;
  w->surface.Resize(width(), height());
  // Uncovered pixels show the class background until the repaint draws over them.
  EraseBackground(w, QRect(oldWidth, 0, width() - oldWidth, height()));
  EraseBackground(w, QRect(0, oldHeight, width(), height() - oldHeight));
  const bool maximized = window()->isMaximized();
  ReportClientSize(w, maximized ? kSizeMaximized : kSizeRestored);
  if (w->classStyle & (CS_HREDRAW | CS_VREDRAW))
    Invalidate(w, nullptr, true);
  else
    Invalidate(w, nullptr, false);
}

void ClientArea::PostMouse(UINT msg, QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Post(hwnd_, msg, ButtonFlags(event->buttons()), MAKELPARAM(p.x(), p.y()));
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
