// The thread's message queue, the same for every emulated backend: posted messages in order,
// the quit message once the queue is empty, WM_PAINT made only when nothing else waits (and
// then for the first window that waits for it), and what modal loops deliver.
#include <deque>

#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

struct QueuedMessage {
  MSG msg;
  BYTE keysHeld;  // FSHIFT | FCONTROL | FALT when the message was made
};

struct Queue {
  std::deque<QueuedMessage> messages;
  bool quitPosted = false;
  int quitCode = 0;
  int modalDepth = 0;
  BYTE keysHeld = 0;  // of the message GetMessageA took last
};

Queue& Q() {
  static Queue queue;
  return queue;
}

// The first visible window whose client area waits to be repainted.
HWND WindowToPaint() {
  for (HWND hwnd : Windows())
    if (Window* w = ToWindow(hwnd); w && w->visible && w->needsPaint) return hwnd;
  return nullptr;
}

}  // namespace

void ForgetQueue() { Q() = Queue(); }

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, BYTE keysHeld) {
  Q().messages.push_back({MSG{hwnd, msg, wParam, lParam, 0, {0, 0}}, keysHeld});
  backend::PaintWaiting();  // wakes a backend that sleeps
}

BYTE KeysHeld(const MSG& msg) {
  const bool keyMessage = msg.message >= WM_KEYDOWN && msg.message <= WM_SYSCHAR;
  return Q().keysHeld | (keyMessage && (msg.lParam & kAltContext) ? FALT : 0);
}

std::vector<MSG> QueuedMessages() {
  std::vector<MSG> out;
  for (const QueuedMessage& m : Q().messages) out.push_back(m.msg);
  return out;
}

ModalScope::ModalScope() {
  ++Q().modalDepth;
  backend::PaintWaiting();  // what waited already is handed over by the modal loop
}
ModalScope::~ModalScope() { --Q().modalDepth; }
bool InModalLoop() { return Q().modalDepth > 0; }

int DeliverModalMessages() {
  int delivered = 0;
  auto& queue = Q().messages;
  for (auto it = queue.begin(); it != queue.end();) {
    if (it->msg.message != WM_PAINT && it->msg.message != WM_SIZE) {
      ++it;
      continue;
    }
    const MSG msg = it->msg;
    queue.erase(it);
    DispatchMessageA(&msg);
    ++delivered;
    it = queue.begin();  // the handler may have posted or taken messages
  }
  while (HWND hwnd = WindowToPaint()) {
    SendMessageA(hwnd, WM_PAINT, 0, 0);
    ++delivered;
    if (hwnd == WindowToPaint()) break;  // a procedure that does not paint must not hang us
  }
  return delivered;
}

}  // namespace wm

using namespace wm;

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !ToWindow(hwnd)) return FALSE;
  const MSG m{hwnd, msg, wParam, lParam, 0, {0, 0}};
  Post(hwnd, msg, wParam, lParam, backend::KeysHeldNow(m));
  return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
  Q().quitPosted = true;
  Q().quitCode = exitCode;
  backend::PaintWaiting();
}

BOOL WINAPI GetMessageA(MSG* msg, HWND, UINT, UINT) {
  if (!msg) return -1;
  Queue& q = Q();
  for (;;) {
    if (!q.messages.empty()) {
      *msg = q.messages.front().msg;
      q.keysHeld = q.messages.front().keysHeld;
      q.messages.pop_front();
      if (msg->message != WM_QUIT) return TRUE;
      backend::QuitTaken();
      return FALSE;
    }
    if (q.quitPosted) {
      q.quitPosted = false;
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0, 0, {0, 0}};
      backend::QuitTaken();
      return FALSE;
    }
    if (HWND hwnd = WindowToPaint()) {
      *msg = MSG{hwnd, WM_PAINT, 0, 0, 0, {0, 0}};
      return TRUE;
    }
    if (backend::WaitForInput(msg)) {
      q.keysHeld = backend::KeysHeldNow(*msg);
      return msg->message != WM_QUIT;
    }
  }
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

// Key presses arrive together with their character messages, so nothing is left to do.
BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }
