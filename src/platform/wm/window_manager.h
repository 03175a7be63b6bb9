// The window manager both emulated backends share: classes, window records, the message queue,
// painting, controls and dialogs behave here as user32 does; a backend tells it what its user
// did through the calls below and shows what it keeps (see window_backend.h).
#pragma once

#include "platform/win32.h"
#include "platform/wm/window_record.h"

namespace wm {

// The class registered under a name, or null.
const WNDCLASSEXA* FindClass(const char* name);
// Forgets every window, class and queued message: the next program starts as in a new process.
void Reset();

// What DefWindowProcA does with a message: WM_CLOSE destroys the window, WM_PAINT validates
// the client area (erasing it first when asked), WM_ERASEBKGND fills what waits to be
// repainted with the class background; everything else gives 0.
LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Marks the whole client area (rect null) or a part of it as waiting for WM_PAINT.
void Invalidate(Window* w, const RECT* rect, bool erase);
// The window system gave the client area a new size (kind: SIZE_RESTORED, SIZE_MINIMIZED,
// SIZE_MAXIMIZED). The pixels follow (those uncovered in the class background), the window
// procedure hears of a size it was not told yet, and a restored or grown client waits to be
// repainted: all of it for a class that asks for CS_HREDRAW / CS_VREDRAW, erased.
void SizeChanged(HWND hwnd, WPARAM kind, int width, int height);

// Bit 29 of a key message's lParam: Alt was held when the key was pressed.
constexpr LPARAM kAltContext = 0x20000000;

// Queues a message with the keys held when it was made (FSHIFT | FCONTROL | FALT).
void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, BYTE keysHeld);
// The keys held for the message being handled: those its queue entry noted, or Alt from a key
// message's own lParam.
BYTE KeysHeld(const MSG& msg);
// Messages waiting in the queue, oldest first.
std::vector<MSG> QueuedMessages();

// While a modal loop (message box, dialog, file chooser) runs, the program's loop does not:
// what the window system keeps delivering meanwhile is handed over by DeliverModalMessages.
struct ModalScope {
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};
bool InModalLoop();
// The WM_PAINT and WM_SIZE messages waiting in the queue, in order, then WM_PAINT to the
// windows that wait for it. Everything else stays queued: input to the owner is blocked while
// a modal window is open. Returns how many messages it delivered.
int DeliverModalMessages();

// The user clicks a button (push button or check box): an automatic check box changes its mark
// and the parent gets WM_COMMAND (MAKEWPARAM(id, BN_CLICKED), the button) at once, from
// within the click, as the control sends it. False when the handle is no button.
bool ClickButton(HWND button);
// The user picks entry `index` of a drop-down list: the parent gets CBN_SELCHANGE at once, the
// same entry picked again included. False, changing nothing, when there is no such entry.
bool PickListEntry(HWND comboBox, int index);
// The window procedure of the built-in control classes.
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A dialog's button command, as a click, Enter or Esc gives it: WM_COMMAND (MAKEWPARAM(id,
// BN_CLICKED), the dialog's control of that identifier).
void SendDialogCommand(HWND dialog, int id);
// The default push button's identifier, IDOK when the dialog has none.
int DefaultButtonId(HWND dialog);

// For the window manager's own files: a record made into a window (see CreateWindowExA), and
// what Reset forgets.
HWND CreateWindowRecord(std::unique_ptr<Window> window, int clientWidth, int clientHeight);
void ForgetWindows();
void ForgetQueue();

}  // namespace wm
