// Headless windows: the window manager's records (platform/wm) with nothing to show, an input
// source that plays the user, and what tests look at.
//
// Implements: the window manager's presentation with nothing drawn but the client pixels, an
// input source for GetMessageA, resizing a window as a user would, logs of the messages sent
// and of those the default handling got.
// Does not implement: screen geometry, focus, non-client areas and their messages, keyboard
// menu access, real input (tests and the input source play the user).
#pragma once

#include <functional>
#include <vector>

#include "platform/win32.h"
#include "platform/wm/window_manager.h"
#include "platform/wm/window_record.h"

namespace headless {

using wm::Children;
using wm::ToHandle;
using wm::ToWindow;
using wm::Window;
using wm::Windows;

// The first live top-level window of a class, or null.
HWND FindTopLevel(const char* className);

// Messages waiting in the thread's queue.
using wm::QueuedMessages;
// What GetMessageA does when the queue is empty: the source fills *msg and returns true, or
// returns false when it has nothing more. With no source, or once it is exhausted, GetMessageA
// returns a WM_CLOSE to the first top-level window (and, should that not end the loop, a
// WM_QUIT): a scripted session that runs out of input then ends the way a user would end it.
void SetInputSource(std::function<bool(MSG* msg)> source);

// The user drags the window's frame: the client area becomes width x height, WM_SIZE arrives
// (SIZE_RESTORED) and the whole client area waits to be repainted.
void ResizeClient(HWND window, int width, int height);

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
