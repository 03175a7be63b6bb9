// Qt backend, the thread's message queue and loop: posted messages (input from the widgets,
// commands, WM_CLOSE, the quit message), GetMessageA pumping Qt's events until a message is
// there, WM_PAINT for windows that wait for a repaint, keys as messages and the keys held.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <deque>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

struct QueuedMessage {
  MSG msg;
  Qt::KeyboardModifiers modifiers;  // the keyboard state when the message was made
};

struct Loop {
  std::deque<QueuedMessage> queue;
  bool quitPosted = false;
  int quitCode = 0;
  int modalDepth = 0;
  // The keyboard state as of the last message taken from the queue, for accelerators.
  Qt::KeyboardModifiers keyState;
};

Loop& L() {
  static Loop loop;
  return loop;
}

void Wake() {
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void PostWithModifiers(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       Qt::KeyboardModifiers modifiers) {
  L().queue.push_back({MSG{hwnd, msg, wParam, lParam, 0, {0, 0}}, modifiers});
  Wake();
}

constexpr WPARAM kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;

WPARAM VirtualKey(const QKeyEvent& e) {
  const int key = e.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return static_cast<WPARAM>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 0x0D;
    case Qt::Key_Shift:
      return kVkShift;
    case Qt::Key_Control:
      return kVkControl;
    case Qt::Key_Alt:
      return kVkMenu;
    case Qt::Key_Escape:
      return 0x1B;
    case Qt::Key_Space:
      return 0x20;
    case Qt::Key_PageUp:
      return 0x21;
    case Qt::Key_PageDown:
      return 0x22;
    case Qt::Key_End:
      return 0x23;
    case Qt::Key_Home:
      return 0x24;
    case Qt::Key_Left:
      return 0x25;
    case Qt::Key_Up:
      return 0x26;
    case Qt::Key_Right:
      return 0x27;
    case Qt::Key_Down:
      return 0x28;
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return 0x2E;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 0xBF;  // VK_OEM_2
    default:
      return 0;
  }
}

// The character a key press types, as the character message carries it.
WPARAM CharacterOf(const QKeyEvent& e) {
  const QString text = e.text();
  if (!text.isEmpty()) return text.at(0).unicode();
  const int key = e.key();
  if (key < 0x20 || key >= 0x7F) return 0;
  if (key >= 'A' && key <= 'Z' && !(e.modifiers() & Qt::ShiftModifier)) return key - 'A' + 'a';
  return static_cast<WPARAM>(key);
}

// The quit message ends the program's loop. When no window is left, the program is ending:
// the application object goes now, while the process is whole, so that a copied picture
// reaches the clipboard manager. Anything the program shows after that gets a new one.
void EndApplicationAfterLastWindow() {
  if (AllWindows().empty()) EndApplication();
}

}  // namespace

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  PostWithModifiers(hwnd, msg, wParam, lParam, QGuiApplication::keyboardModifiers());
}

ModalScope::ModalScope() {
  ++L().modalDepth;
  DeliverPendingPaints();
}
ModalScope::~ModalScope() { --L().modalDepth; }
bool InModalLoop() { return L().modalDepth > 0; }

// Keys reach the program's loop addressed to the control that has the focus, or to the main
// window itself. Keys typed into a modal dialog belong to that dialog's own loop.
void PostKeyEvent(QWidget* receiver, const QKeyEvent& e, bool press) {
  if (InModalLoop()) return;
  Window* w = WindowOfWidget(receiver);
  if (!w) return;
  Window* top = ToWindow(TopLevelOf(ToHandle(w)));
  if (!top || top->kind != WindowKind::TopLevel) return;
  const bool alt = e.modifiers() & Qt::AltModifier;
  LPARAM lParam = 1 | (alt ? (1 << 29) : 0);
  if (!press) lParam |= static_cast<LPARAM>(0xC0000000u);
  const HWND target = ToHandle(w);
  if (const WPARAM vk = VirtualKey(e))
    PostWithModifiers(target,
                      press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP),
                      vk, lParam, e.modifiers());
  if (press)
    if (const WPARAM ch = CharacterOf(e))
      PostWithModifiers(target, alt ? WM_SYSCHAR : WM_CHAR, ch, lParam, e.modifiers());
}

int QueuedMessageCount() { return static_cast<int>(L().queue.size()); }

}  // namespace qtbackend

using namespace qtbackend;

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !ToWindow(hwnd)) return FALSE;
  Post(hwnd, msg, wParam, lParam);
  return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
  L().quitPosted = true;
  L().quitCode = exitCode;
  Wake();
}

BOOL WINAPI GetMessageA(MSG* msg, HWND, UINT, UINT) {
  if (!msg) return -1;
  EnsureApplication();
  Loop& loop = L();
  for (;;) {
    // Widgets of destroyed windows go now, outside of any Qt event handler.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!loop.queue.empty()) {
      *msg = loop.queue.front().msg;
      loop.keyState = loop.queue.front().modifiers;
      loop.queue.pop_front();
      if (msg->message != WM_QUIT) return TRUE;
      EndApplicationAfterLastWindow();
      return FALSE;
    }
    if (loop.quitPosted) {
      loop.quitPosted = false;
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(loop.quitCode), 0, 0, {0, 0}};
      EndApplicationAfterLastWindow();
      return FALSE;
    }
    // A repaint is made only when nothing else waits, as the window manager does.
    for (HWND hwnd : AllWindows()) {
      Window* w = ToWindow(hwnd);
      if (w->kind == WindowKind::TopLevel && w->needsPaint && w->widget && w->widget->isVisible()) {
        *msg = MSG{hwnd, WM_PAINT, 0, 0, 0, {0, 0}};
        return TRUE;
      }
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

BYTE backend::KeysHeld(const MSG&) {
  const Qt::KeyboardModifiers state = L().keyState;
  return static_cast<BYTE>(((state & Qt::ShiftModifier) ? FSHIFT : 0) |
                           ((state & Qt::ControlModifier) ? FCONTROL : 0) |
                           ((state & Qt::AltModifier) ? FALT : 0));
}
