// Qt backend, what the window manager's message loop waits for: Qt's events, which become
// queued messages (keys here, pointer input and menu commands where their widgets are), and
// the keys held as a message is made.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <utility>

#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

BYTE KeysOf(Qt::KeyboardModifiers modifiers) {
  return static_cast<BYTE>(((modifiers & Qt::ShiftModifier) ? FSHIFT : 0) |
                           ((modifiers & Qt::ControlModifier) ? FCONTROL : 0) |
                           ((modifiers & Qt::AltModifier) ? FALT : 0));
}

// The virtual-key codes of the keys that are neither letters, digits nor function keys.
constexpr std::pair<int, WPARAM> kKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},  {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},   {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},  {Qt::Key_Down, 0x28},
    {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E}, {Qt::Key_Slash, 0xBF /* VK_OEM_2 */},
    {Qt::Key_Question, 0xBF}};

WPARAM VirtualKey(const QKeyEvent& e) {
  const int key = e.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return static_cast<WPARAM>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
  for (const auto& [qtKey, vk] : kKeys)
    if (key == qtKey) return vk;
  return 0;
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
  LPARAM lParam = 1 | (alt ? wm::kAltContext : 0);
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
