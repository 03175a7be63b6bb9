// Headless windows: records of the windows the program creates, with their client pixels,
// and the message queue.
//
// Implements: window records of the shared classes (with their background), top-level and child
// windows, SendMessageA, PostMessageA, the message loop functions (GetMessageA also makes the
// WM_PAINT of a window whose client area waits to be painted, as Windows does once the queue is
// empty), BeginPaint/EndPaint with the background erase through WM_ERASEBKGND, the default
// handling of WM_ERASEBKGND, WM_PAINT and WM_CLOSE, client surfaces for GetDC, resizing a
// window as a user would, the paint and size messages that modal loops keep delivering, and the
// module functions LoadStringA, LoadIconA, LoadCursorA.
// Does not implement: screen geometry, focus, non-client areas and their messages, keyboard
// menu access, real input (tests and the input source play the user).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/module.h"
#include "platform/raster/surface.h"
#include "platform/win32.h"
#include "platform/wm/combo_list.h"

namespace headless {

struct Window {
  static constexpr std::uint32_t kMagic = 0x57494E44;  // "WIND"
  std::uint32_t magic = kMagic;
  std::string className;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;  // outer rectangle, in the parent's client pixels
  HWND parent = nullptr;
  int id = 0;  // child identifier
  HINSTANCE instance = nullptr;
  WNDPROC proc = nullptr;
  bool visible = false;
  bool needsPaint = false;
  bool needsErase = false;
  bool destroying = false;  // DestroyWindow has begun
  raster::Surface client;
  // Child-control state, kept by the control classes.
  HFONT font = nullptr;
  int check = BST_UNCHECKED;
  wm::ComboList list;    // a combo box's entries and selection
  bool pressed = false;  // a button between the left button's press and release
};

Window* ToWindow(HWND hwnd);
HWND ToHandle(Window* window);

// Every live window, in the order of creation.
std::vector<HWND> Windows();
// The first live top-level window of a class, or null.
HWND FindTopLevel(const char* className);
// The children of a window in the order of creation.
std::vector<HWND> Children(HWND parent);

// Messages waiting in the thread's queue.
const std::vector<MSG>& QueuedMessages();
// What GetMessageA does when the queue is empty: the source fills *msg and returns true, or
// returns false when it has nothing more. With no source, or once it is exhausted, GetMessageA
// returns a WM_CLOSE to the first top-level window (and, should that not end the loop, a
// WM_QUIT): a scripted session that runs out of input then ends the way a user would end it.
void SetInputSource(std::function<bool(MSG* msg)> source);

// The record a class was registered with, or null.
const WNDCLASSEXA* RegisteredClass(const char* className);

// The user drags the window's frame: the client area becomes width x height, WM_SIZE arrives
// (SIZE_RESTORED) and the whole client area waits to be repainted.
void ResizeClient(HWND window, int width, int height);

// What a modal loop (message box, dialog, file chooser) delivers while it waits for the user:
// the WM_PAINT and WM_SIZE messages waiting in the queue, in order, and the paints of windows
// that wait to be repainted. Everything else stays queued for the main loop: input to the
// owner is blocked while the modal window is open. Returns how many messages it delivered.
int DeliverModalMessages();

// Every message sent or dispatched to a window procedure, in order (for tests).
struct DeliveredMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
const std::vector<DeliveredMessage>& DeliveredMessages();
void ClearDeliveredMessages();
// Every call of DefWindowProcA, in order, with its arguments.
const std::vector<DeliveredMessage>& DefaultHandledMessages();

}  // namespace headless
