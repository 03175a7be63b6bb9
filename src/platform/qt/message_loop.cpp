// Qt backend, what the window manager's message loop waits for: Qt's events, which become
// queued messages (keys here, pointer input and menu commands where their widgets are), and
// the keys held as a message is made.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

BYTE KeysOf(Qt::KeyboardModifiers modifiers) {
  return static_cast<BYTE>(((modifiers & Qt::ShiftModifier) ? FSHIFT : 0) |
                           ((modifiers & Qt::ControlModifier) ? FCONTROL : 0) |
                           ((modifiers & Qt::AltModifier) ? FALT : 0));
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

}  // namespace

// Keys reach the program's loop addressed to the control that has the focus, or to the main
// window itself. Keys typed into a modal dialog belong to that dialog's own loop.
void PostKeyEvent(QWidget* receiver, const QKeyEvent& e, bool press) {
  if (wm::InModalLoop()) return;
  Window* w = WindowOfWidget(receiver);
  if (!w) return;
  Window* top = ToWindow(wm::TopLevelOf(ToHandle(w)));
  if (!top || top->kind != WindowKind::TopLevel) return;
  const bool alt = e.modifiers() & Qt::AltModifier;
  LPARAM lParam = 1 | (alt ? (1 << 29) : 0);
  if (!press) lParam |= static_cast<LPARAM>(0xC0000000u);
  const HWND target = ToHandle(w);
  const BYTE keys = KeysOf(e.modifiers());
  if (const WPARAM vk = VirtualKey(e))
    wm::Post(target, press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP),
             vk, lParam, keys);
  if (press)
    if (const WPARAM ch = CharacterOf(e))
      wm::Post(target, alt ? WM_SYSCHAR : WM_CHAR, ch, lParam, keys);
}

int QueuedMessageCount() { return static_cast<int>(wm::QueuedMessages().size()); }

}  // namespace qtbackend

using namespace qtbackend;

// Widgets of destroyed windows go first, outside of any Qt event handler; then Qt's events
// are handled until one of them queued a message or asked for a repaint.
bool backend::WaitForInput(MSG*) {
  EnsureApplication();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  return false;
}

// The quit message ends the program's loop. When no window is left, the program is ending:
// the application object goes now, while the process is whole, so that a copied picture
// reaches the clipboard manager. Anything the program shows after that gets a new one.
void backend::QuitTaken() {
  if (wm::Windows().empty()) EndApplication();
}

BYTE backend::KeysHeldNow(const MSG&) {
  return QCoreApplication::instance() ? KeysOf(QGuiApplication::keyboardModifiers()) : 0;
}
