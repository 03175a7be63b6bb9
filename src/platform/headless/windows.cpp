// Headless backend, windows. See headless_windows.h for what it stands in for.
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_windows.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace headless {
namespace {

struct State {
  std::function<bool(MSG*)> source;
  bool closeSent = false;
  std::vector<DeliveredMessage> delivered;
  std::vector<DeliveredMessage> defaulted;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] {
                           S() = State();
                           wm::Reset();
                         }),
                         true);

}  // namespace

HWND FindTopLevel(const char* className) {
  for (HWND hwnd : Windows())
    if (const Window* w = ToWindow(hwnd); !w->parent && w->className == className) return hwnd;
  return nullptr;
}

void SetInputSource(std::function<bool(MSG*)> source) { S().source = std::move(source); }

const std::vector<DeliveredMessage>& DeliveredMessages() { return S().delivered; }
void ClearDeliveredMessages() { S().delivered.clear(); }
const std::vector<DeliveredMessage>& DefaultHandledMessages() { return S().defaulted; }

void ResizeClient(HWND hwnd, int width, int height) {
  Window* w = ToWindow(hwnd);
  if (!w) return;
  w->width += width - w->client.width;
  w->height += height - w->client.height;
  wm::SizeChanged(hwnd, SIZE_RESTORED, width, height);
}

}  // namespace headless

using namespace headless;

// Nothing to show: the records and the client pixels are all there is.
bool backend::PresentWindow(HWND) {
  (void)registered;
  return true;
}
void backend::WindowGone(HWND) {}
void backend::PresentShow(HWND, ShowState) {}
void backend::ControlChanged(HWND) {}
void backend::PaintWaiting() {}
void backend::Painted(HWND) {}
void backend::QuitTaken() {}
void backend::ClientDrawn(HWND) {}
void backend::ClipboardFilled(HBITMAP) {}
void backend::ClipboardEmptied() {}

bool backend::WaitForInput(MSG* msg) {
  State& s = S();
  if (s.source && s.source(msg)) return true;
  s.source = nullptr;
  for (HWND hwnd : Windows()) {
    if (!ToWindow(hwnd)->parent && !s.closeSent) {
      s.closeSent = true;
      *msg = MSG{hwnd, WM_CLOSE, 0, 0, 0, {0, 0}};
      return true;
    }
  }
  *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {0, 0}};
  return true;
}

// There is no keyboard: Alt is held when a key message says so (bit 29 of its lParam, as the
// window system marks key messages made while it is down), Shift and Control never.
BYTE backend::KeysHeldNow(const MSG&) { return 0; }

void backend::MessageSent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  S().delivered.push_back({hwnd, msg, wParam, lParam});
}
void backend::DefaultHandled(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  S().defaulted.push_back({hwnd, msg, wParam, lParam});
}
