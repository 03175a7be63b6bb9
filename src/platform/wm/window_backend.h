// What the shared window manager asks of the backend that shows its windows. The window
// manager keeps the records, the queue and every rule; a backend only presents them (headless:
// nothing to show, scripted users; Qt: widgets and real dialogs).
#pragma once

#include "platform/module.h"
#include "platform/win32.h"

namespace backend {

// A record was made, before WM_CREATE: make whatever shows it. False refuses the window.
bool PresentWindow(HWND window);
// The window is going (its record still lives): take down what shows it.
void WindowGone(HWND window);
// ShowWindow: hide, show (as it was), restore or minimise what shows the window. A backend
// whose window system changes the size in return tells the window manager (wm::SizeChanged).
enum class ShowState { Hidden, Shown, Restored, Minimized };
void PresentShow(HWND window, ShowState state);
// A control's state (check mark, list entries and selection, font) changed: show it.
void ControlChanged(HWND control);
// A window waits for WM_PAINT (a backend that sleeps in GetMessageA wakes up).
void PaintWaiting();
// A window procedure finished a WM_PAINT.
void Painted(HWND window);
// GetMessageA finds nothing queued and nothing to paint. Fills *msg and returns true when the
// backend has the next message itself; returns false to have the queue looked at again.
bool WaitForInput(MSG* msg);
// GetMessageA returns the quit message.
void QuitTaken();
// FSHIFT | FCONTROL | FALT as they are held now, for a message being queued.
BYTE KeysHeldNow(const MSG& msg);

// Dialogs: the base units (average character width and height, in pixels) of the font a
// template names; its modal loop, until EndDialog (false: the loop was given up); the end.
struct DialogBaseUnits {
  int x, y;
};
DialogBaseUnits BaseUnitsOf(const DialogResource& resource);
bool RunDialog(HWND dialog, LPCSTR templateName, HWND focus);
void DialogEnded(HWND dialog);

// The clipboard now holds this bitmap, or nothing: show it to other programs.
void ClipboardFilled(HBITMAP bitmap);
void ClipboardEmptied();

// Tests of the headless backend look at what was sent and what the default handling got.
void MessageSent(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
void DefaultHandled(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace backend
