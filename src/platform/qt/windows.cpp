// Qt backend, the widgets of the window manager's windows: a top-level window's frame with its
// menu bar, icons and client widget, a dialog's QDialog, a control's widget; showing them, and
// the repaints a modal loop hands over while the program's loop waits.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QTimer>

#include "platform/backend.h"
#include "platform/module.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

QWidget* MakeFrame(HWND hwnd, Window* w) {
  const WNDCLASSEXA& wc = *wm::FindClass(w->className.c_str());
  auto* frame = new MainFrame(hwnd);
  frame->setWindowTitle(QString::fromUtf8(w->text));
  QIcon icon;
  // The large class icon for the title and task bars, the small one where 16 pixels are shown.
  if (wc.hIcon) icon.addPixmap(IconPixmap(wc.hIcon, 32));
  if (HICON small = wc.hIconSm ? wc.hIconSm : wc.hIcon) icon.addPixmap(IconPixmap(small, 16));
  if (!icon.isNull()) frame->setWindowIcon(icon);
  auto* client = new ClientArea(hwnd, frame);
  static_cast<QtView*>(w->view.get())->client = client;
  frame->layout()->addWidget(client);
  BuildMenuBar(hwnd, frame, wc.hInstance ? wc.hInstance : w->instance, wc.lpszMenuName);
  // The menu bar comes on top of the client area the window manager laid out.
  int menuHeight = 0;
  if (QWidget* bar = frame->layout()->menuBar()) {
    menuHeight = bar->heightForWidth(w->client.width);
    if (menuHeight < 0) menuHeight = bar->sizeHint().height();
  }
  frame->setMaximumSize(LargestWindowSize(frame));
  frame->resize(w->client.width, w->client.height + menuHeight);
  frame->move(w->x, w->y);
  return frame;
}

bool paintScheduled = false;

}  // namespace

QtView* ViewOf(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w ? static_cast<QtView*>(w->view.get()) : nullptr;
}

Window* WindowOfWidget(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget())
    for (HWND hwnd : wm::Windows())
      if (QtView* v = ViewOf(hwnd); v && (v->widget == widget || v->client == widget))
        return ToWindow(hwnd);
  return nullptr;
}

QWidget* FrameWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind != WindowKind::Control ? ViewOf(hwnd)->widget.data() : nullptr;
}

QWidget* ClientWidget(HWND hwnd) {
  QtView* v = ViewOf(hwnd);
  return v ? v->client.data() : nullptr;
}

QWidget* ControlWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind == WindowKind::Control ? ViewOf(hwnd)->widget.data() : nullptr;
}

HWND HandleOfWidget(const QWidget* widget) { return ToHandle(WindowOfWidget(widget)); }

}  // namespace qtbackend

using namespace qtbackend;

// Child windows of registered classes are not shown: the program makes none.
bool backend::PresentWindow(HWND hwnd) {
  EnsureApplication();
  Window* w = ToWindow(hwnd);
  w->view = std::make_unique<QtView>();
  QWidget* widget = nullptr;
  if (w->kind == WindowKind::Control) {
    QtView* parent = ViewOf(w->parent);
    QWidget* host =
        parent ? (parent->client ? parent->client.data() : parent->widget.data()) : nullptr;
    widget = host ? MakeControlWidget(hwnd, host) : nullptr;
  } else if (w->kind == WindowKind::Dialog) {
    widget = MakeDialogWidget(hwnd);
  } else if (!w->parent) {
    widget = MakeFrame(hwnd, w);
  }
  static_cast<QtView*>(w->view.get())->widget = widget;
  return widget != nullptr;
}

void backend::WindowGone(HWND hwnd) {
  QtView* v = ViewOf(hwnd);
  if (!v || !v->widget) return;
  v->widget->hide();
  v->widget->deleteLater();
}

// A dialog is shown by its modal loop.
void backend::PresentShow(HWND hwnd, ShowState state) {
  QWidget* widget = ViewOf(hwnd)->widget;
  if (!widget || ToWindow(hwnd)->kind == WindowKind::Dialog) return;
  const bool wasVisible = widget->isVisible();
  switch (state) {
    case ShowState::Hidden:
      widget->hide();
      break;
    case ShowState::Minimized:
      widget->showMinimized();
      break;
    case ShowState::Restored:
      widget->showNormal();
      break;
    case ShowState::Shown:
      widget->show();
      break;
  }
  if (!wasVisible && widget->isVisible() && widget->layout()) widget->layout()->activate();
}

// While a modal loop runs, nothing takes WM_PAINT from the queue: it is handed over from Qt's
// event loop, once the modal loop's own events are handled.
void backend::PaintWaiting() {
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
  if (!wm::InModalLoop() || paintScheduled || !QCoreApplication::instance()) return;
  paintScheduled = true;
  QTimer::singleShot(0, [] {
    paintScheduled = false;
    if (wm::InModalLoop()) wm::DeliverModalMessages();
  });
}

void backend::Painted(HWND) { NoteWindowPainted(); }

void backend::ClientDrawn(HWND hwnd) {
  if (QtView* v = ViewOf(hwnd); v && v->client) v->client->Drawn();
}

void backend::MessageSent(HWND, UINT, WPARAM, LPARAM) {}
void backend::DefaultHandled(HWND, UINT, WPARAM, LPARAM) {}
