// Qt backend, windows: classes, the records behind window handles, creation and destruction,
// showing, sizes, repaint requests, BeginPaint/EndPaint and message delivery.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include "platform/backend.h"
#include "platform/module.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/window_records.h"
#include "platform/wm/frame.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace qtbackend {
namespace {

struct State {
  platform::WindowRecords<Window> windows;
};

State& S() {
  static State state;
  return state;
}

bool paintScheduled = false;

// While a modal loop runs, nothing takes WM_PAINT from the queue: hand it over directly.
void SchedulePaintDuringModal() {
  if (paintScheduled) return;
  paintScheduled = true;
  QTimer::singleShot(0, [] {
    paintScheduled = false;
    if (!InModalLoop()) return;
    for (HWND hwnd : std::vector<HWND>(AllWindows()))
      if (Window* w = ToWindow(hwnd); w && w->needsPaint && w->kind == WindowKind::TopLevel)
        SendMessageA(hwnd, WM_PAINT, 0, 0);
  });
}

}  // namespace

Window* ToWindow(HWND hwnd) { return S().windows.Find(hwnd); }
HWND ToHandle(Window* window) { return platform::WindowRecords<Window>::HandleOf(window); }
std::vector<HWND> AllWindows() { return S().windows.All(); }
std::vector<HWND> ChildrenOf(HWND parent) { return S().windows.ChildrenOf(parent); }
HWND AddWindow(std::unique_ptr<Window> window) { return S().windows.Add(std::move(window)); }
void RemoveWindow(Window* window) { S().windows.Remove(window); }

HWND TopLevelOf(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  while (w && w->parent && ToWindow(w->parent)) w = ToWindow(w->parent);
  return w ? ToHandle(w) : nullptr;
}

Window* WindowOfWidget(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget())
    for (const auto& w : S().windows)
      if (w->widget == widget || w->client == widget) return w.get();
  return nullptr;
}

void EraseBackground(Window* w, const QRect& rect) {
  const QRect area = rect & QRect(0, 0, w->surface.width, w->surface.height);
  if (area.isEmpty()) return;
  const std::uint32_t pixel = raster::PixelFromColorref(w->background);
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::fill_n(w->surface.Row(y) + area.left(), area.width(), pixel);
  if (w->client) w->client->Drawn();
}

void Invalidate(Window* w, const QRect* rect, bool erase) {
  if (w->kind != WindowKind::TopLevel) return;
  const QRect whole(0, 0, w->surface.width, w->surface.height);
  w->updateRect |= rect ? (*rect & whole) : whole;
  w->erasePending = w->erasePending || erase;
  w->needsPaint = true;
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
  if (InModalLoop()) SchedulePaintDuringModal();
}

void DeliverPendingPaints() {
  if (InModalLoop()) SchedulePaintDuringModal();
}

QWidget* FrameWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind != WindowKind::Control ? w->widget.data() : nullptr;
}

QWidget* ClientWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w ? w->client.data() : nullptr;
}

QWidget* ControlWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind == WindowKind::Control ? w->widget.data() : nullptr;
}

HWND HandleOfWidget(const QWidget* widget) { return ToHandle(WindowOfWidget(widget)); }

}  // namespace qtbackend

using namespace qtbackend;

raster::Surface* backend::ClientSurface(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind == WindowKind::TopLevel ? &w->surface : nullptr;
}

void backend::ClientDrawn(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  if (w && w->client) w->client->Drawn();
}

bool backend::IsWindow(HWND hwnd) { return ToWindow(hwnd) != nullptr; }
std::vector<HWND> backend::Children(HWND parent) { return ChildrenOf(parent); }
int backend::ChildId(HWND child) {
  Window* w = ToWindow(child);
  return w ? w->id : 0;
}
bool backend::WaitsForPaint(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->needsPaint;
}

// What waits to be repainted, or the whole client area when nothing does.
void backend::EraseClient(HWND hwnd, HDC) {
  Window* w = ToWindow(hwnd);
  if (!w || w->kind != WindowKind::TopLevel) return;
  EraseBackground(w, w->updateRect.isEmpty() ? QRect(0, 0, w->surface.width, w->surface.height)
                                             : w->updateRect);
}

namespace {

HWND CreateChild(LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width, int height,
                 HWND parent, HMENU menu, HINSTANCE instance) {
  Window* parentWindow = ToWindow(parent);
  if (!parentWindow) return nullptr;
  QWidget* host = parentWindow->client ? parentWindow->client.data() : parentWindow->widget.data();
  if (!host) return nullptr;
  auto window = std::make_unique<Window>();
  window->kind = WindowKind::Control;
  window->className = className;
  for (char& c : window->className) c = static_cast<char>(std::toupper(c));
  window->style = style;
  window->parent = parent;
  window->id = static_cast<int>(reinterpret_cast<UINT_PTR>(menu));
  window->instance = instance;
  Window* w = window.get();
  HWND hwnd = AddWindow(std::move(window));
  if (!CreateControlWidget(w, host, text ? text : "", x, y, width, height)) {
    RemoveWindow(w);
    return nullptr;
  }
  return hwnd;
}

}  // namespace

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                            LPVOID) {
  if (!className) return nullptr;
  EnsureApplication();
  if (style & WS_CHILD)
    return CreateChild(className, windowName, style, x, y, width, height, parent, menu, instance);
  const WNDCLASSEXA* cls = wm::FindClass(className);
  if (!cls) return nullptr;
  const WNDCLASSEXA& wc = *cls;

  auto window = std::make_unique<Window>();
  Window* w = window.get();
  w->kind = WindowKind::TopLevel;
  w->className = className;
  w->style = style;
  w->classStyle = wc.style;
  w->instance = instance;
  w->proc = wc.lpfnWndProc;
  w->background = raster::ClassBackgroundColor(wc.hbrBackground);
  HWND hwnd = AddWindow(std::move(window));

  auto* frame = new qtbackend::MainFrame(hwnd);
  w->widget = frame;
  frame->setWindowTitle(QString::fromUtf8(windowName ? windowName : ""));
  QIcon icon;
  // The large class icon for the title and task bars, the small one where 16 pixels are shown.
  if (wc.hIcon) icon.addPixmap(IconPixmap(wc.hIcon, 32));
  if (HICON small = wc.hIconSm ? wc.hIconSm : wc.hIcon) icon.addPixmap(IconPixmap(small, 16));
  if (!icon.isNull()) frame->setWindowIcon(icon);
  auto* client = new qtbackend::ClientArea(hwnd, frame);
  w->client = client;
  frame->layout()->addWidget(client);
  BuildMenuBar(w, wc.hInstance ? wc.hInstance : instance, wc.lpszMenuName);

  const int clientWidth =
      width == CW_USEDEFAULT ? wm::kDefaultClientWidth : wm::ClientWidth(width, true);
  const int clientHeight =
      height == CW_USEDEFAULT ? wm::kDefaultClientHeight : wm::ClientHeight(height, true);
  int menuHeight = 0;
  if (QWidget* bar = frame->layout()->menuBar()) {
    menuHeight = bar->heightForWidth(clientWidth);
    if (menuHeight < 0) menuHeight = bar->sizeHint().height();
  }
  frame->setMaximumSize(LargestWindowSize(frame));
  frame->resize(clientWidth, clientHeight + menuHeight);
  if (x != CW_USEDEFAULT) frame->move(x, y);
  w->surface.Resize(clientWidth, clientHeight);
  EraseBackground(w, QRect(0, 0, clientWidth, clientHeight));

  if (SendMessageA(hwnd, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  // Called again from its own WM_DESTROY: the window is going already.
  if (w->destroying) return TRUE;
  w->destroying = true;
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  for (HWND child : ChildrenOf(hwnd)) DestroyWindow(child);
  QPointer<QWidget> widget = w->widget;
  RemoveWindow(w);
  if (widget) {
    widget->hide();
    widget->deleteLater();
  }
  return TRUE;
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow) {
  Window* w = ToWindow(hwnd);
  if (!w || !w->widget) return FALSE;
  QWidget* widget = w->widget;
  const bool wasVisible = widget->isVisible();
  constexpr int kShowMinimized = 2, kShowMaximized = 3, kMinimize = 6, kShowMinNoActive = 7;
  switch (cmdShow) {
    case SW_HIDE:
      widget->hide();
      break;
    case kShowMinimized:
    case kMinimize:
    case kShowMinNoActive:
      widget->showMinimized();
      break;
    case kShowMaximized:
      widget->showMaximized();
      break;
    default:
      widget->show();
  }
  if (w->kind == WindowKind::TopLevel && widget->isVisible() && !wasVisible) {
    if (widget->layout()) widget->layout()->activate();
    ReportClientSize(w, 0);
    Invalidate(w, nullptr, true);
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  if (rect) {
    const QRect r(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    Invalidate(w, &r, erase != FALSE);
  } else {
    Invalidate(w, nullptr, erase != FALSE);
  }
  return TRUE;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return wm::DefaultWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w) return 0;
  switch (w->kind) {
    case WindowKind::Control:
      return ControlProc(w, msg, wParam, lParam);
    case WindowKind::Dialog:
      return DialogWindowProc(w, msg, wParam, lParam);
    case WindowKind::TopLevel:
      break;
  }
  if (!w->proc) return 0;
  const LRESULT result = w->proc(hwnd, msg, wParam, lParam);
  if (msg == WM_PAINT) NoteWindowPainted();
  return result;
}

HDC WINAPI BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = ToWindow(hwnd);
  if (!w || !ps) return nullptr;
  *ps = PAINTSTRUCT{};
  ps->hdc = GetDC(hwnd);
  const QRect area = w->updateRect;
  ps->rcPaint = {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  if (w->erasePending) {
    w->erasePending = false;
    ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
  }
  if ((w = ToWindow(hwnd))) {
    w->needsPaint = false;
    w->updateRect = QRect();
  }
  return ps->hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}
