// Headless backend, windows and messages. See headless_windows.h for what it stands in for.
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "platform/window_records.h"
#include "platform/wm/frame.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace headless {
namespace {

struct State {
  platform::WindowRecords<Window> windows;  // destroyed ones are removed
  std::deque<MSG> queue;
  std::vector<MSG> queueView;
  std::function<bool(MSG*)> source;
  bool quitPosted = false;
  int quitCode = 0;
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
                           wm::ForgetClasses();
                         }),
                         true);

void Deliver(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  S().delivered.push_back({ToHandle(w), message, wParam, lParam});
}

// The first top-level window whose client area waits to be repainted.
Window* WindowToPaint() {
  for (const auto& w : S().windows)
    if (!w->parent && w->visible && w->needsPaint) return w.get();
  return nullptr;
}

}  // namespace

Window* ToWindow(HWND hwnd) { return S().windows.Find(hwnd); }
HWND ToHandle(Window* window) { return platform::WindowRecords<Window>::HandleOf(window); }
std::vector<HWND> Windows() { return S().windows.All(); }

HWND FindTopLevel(const char* className) {
  for (const auto& w : S().windows)
    if (!w->parent && w->className == className) return ToHandle(w.get());
  return nullptr;
}

std::vector<HWND> Children(HWND parent) { return S().windows.ChildrenOf(parent); }

const std::vector<MSG>& QueuedMessages() {
  S().queueView.assign(S().queue.begin(), S().queue.end());
  return S().queueView;
}

void SetInputSource(std::function<bool(MSG*)> source) { S().source = std::move(source); }

const std::vector<DeliveredMessage>& DeliveredMessages() { return S().delivered; }
void ClearDeliveredMessages() { S().delivered.clear(); }
const std::vector<DeliveredMessage>& DefaultHandledMessages() { return S().defaulted; }

const WNDCLASSEXA* RegisteredClass(const char* className) { return wm::FindClass(className); }

void ResizeClient(HWND hwnd, int width, int height) {
  Window* w = ToWindow(hwnd);
  if (!w) return;
  w->width += width - w->client.width;
  w->height += height - w->client.height;
  w->client.Resize(width, height);
  w->needsPaint = w->needsErase = true;
  SendMessageA(hwnd, WM_SIZE, 0 /* SIZE_RESTORED */, MAKELPARAM(width, height));
}

int DeliverModalMessages() {
  int delivered = 0;
  auto& queue = S().queue;
  for (auto it = queue.begin(); it != queue.end();) {
    if (it->message != WM_PAINT && it->message != WM_SIZE) {
      ++it;
      continue;
    }
    const MSG msg = *it;
    it = queue.erase(it);
    DispatchMessageA(&msg);
    ++delivered;
    it = queue.begin();  // the handler may have posted or taken messages
  }
  while (Window* w = WindowToPaint()) {
    SendMessageA(ToHandle(w), WM_PAINT, 0, 0);
    ++delivered;
    if (w == WindowToPaint()) break;  // a procedure that does not paint must not hang us
  }
  return delivered;
}

}  // namespace headless

using namespace headless;

raster::Surface* backend::ClientSurface(HWND hwnd) {
  (void)registered;
  Window* w = ToWindow(hwnd);
  return w ? &w->client : nullptr;
}

void backend::ClientDrawn(HWND) {}

bool backend::IsWindow(HWND hwnd) { return ToWindow(hwnd) != nullptr; }
std::vector<HWND> backend::Children(HWND parent) { return S().windows.ChildrenOf(parent); }
int backend::ChildId(HWND child) {
  Window* w = ToWindow(child);
  return w ? w->id : 0;
}
bool backend::WaitsForPaint(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->needsPaint;
}
// There is no keyboard: Alt is held when the message says so, as the window system marks key
// and character messages made while it is down.
BYTE backend::KeysHeld(const MSG& msg) { return (msg.lParam & kAltHeld) ? FALT : 0; }

// The whole client area in the class background.
void backend::EraseClient(HWND hwnd, HDC hdc) {
  Window* w = ToWindow(hwnd);
  const WNDCLASSEXA* cls = w ? wm::FindClass(w->className.c_str()) : nullptr;
  if (!cls || !cls->hbrBackground) return;
  HGDIOBJ oldBrush =
      SelectObject(hdc, CreateSolidBrush(raster::ClassBackgroundColor(cls->hbrBackground)));
  HGDIOBJ oldPen = SelectObject(hdc, CreatePen(PS_NULL, 0, 0));
  // With the null pen the rectangle is all fill.
  Rectangle(hdc, 0, 0, w->client.width, w->client.height);
  DeleteObject(SelectObject(hdc, oldPen));
  DeleteObject(SelectObject(hdc, oldBrush));
}

// Built-in control classes answer their own messages; see controls.cpp.

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID) {
  if (!className) return nullptr;
  auto window = std::make_unique<Window>();
  Window* w = window.get();
  w->className = className;
  w->text = windowName ? windowName : "";
  w->style = style;
  w->exStyle = exStyle;
  w->x = x;
  w->y = y;
  w->width = width;
  w->height = height;
  w->instance = instance;
  w->visible = (style & WS_VISIBLE) != 0;
  if (style & WS_CHILD) {
    if (!ToWindow(parent)) return nullptr;
    w->parent = parent;
    w->id = static_cast<int>(reinterpret_cast<UINT_PTR>(menu));
  }
  if (const WNDCLASSEXA* cls = wm::FindClass(className)) {
    w->proc = cls->lpfnWndProc;
  } else if (style & WS_CHILD) {
    w->proc = HeadlessControlProc;
  } else {
    return nullptr;
  }
  const bool framed = !(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION;
  w->client.Resize(wm::ClientWidth(width, framed), wm::ClientHeight(height, framed));
  HWND hwnd = S().windows.Add(std::move(window));
  if (SendMessageA(hwnd, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  return hwnd;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  // Called again from its own WM_DESTROY: the window is going already.
  if (w->destroying) return TRUE;
  w->destroying = true;
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  for (HWND child : Children(hwnd)) DestroyWindow(child);
  S().windows.Remove(w);
  return TRUE;
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  const bool wasVisible = w->visible;
  w->visible = cmdShow != SW_HIDE;
  if (w->visible && !wasVisible && !w->parent) {
    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(w->client.width, w->client.height));
    w->needsPaint = w->needsErase = true;
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT*, BOOL erase) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  w->needsPaint = true;
  if (erase) w->needsErase = true;
  return TRUE;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  S().defaulted.push_back({hwnd, msg, wParam, lParam});
  return wm::DefaultWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w || !w->proc) return 0;
  Deliver(w, msg, wParam, lParam);
  return w->proc(hwnd, msg, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !ToWindow(hwnd)) return FALSE;
  S().queue.push_back(MSG{hwnd, msg, wParam, lParam, 0, {0, 0}});
  return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
  S().quitPosted = true;
  S().quitCode = exitCode;
}

BOOL WINAPI GetMessageA(MSG* msg, HWND, UINT, UINT) {
  if (!msg) return -1;
  State& s = S();
  if (!s.queue.empty()) {
    *msg = s.queue.front();
    s.queue.pop_front();
    return msg->message != WM_QUIT;
  }
  if (s.quitPosted) {
    s.quitPosted = false;
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, 0, {0, 0}};
    return FALSE;
  }
  if (Window* w = WindowToPaint()) {
    *msg = MSG{ToHandle(w), WM_PAINT, 0, 0, 0, {0, 0}};
    return TRUE;
  }
  if (s.source && s.source(msg)) return msg->message != WM_QUIT;
  s.source = nullptr;
  for (const auto& w : s.windows) {
    if (!w->parent && !s.closeSent) {
      s.closeSent = true;
      *msg = MSG{ToHandle(w.get()), WM_CLOSE, 0, 0, 0, {0, 0}};
      return TRUE;
    }
  }
  *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {0, 0}};
  return FALSE;
}

HDC WINAPI BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = ToWindow(hwnd);
  if (!w || !ps) return nullptr;
  w->needsPaint = false;
  *ps = PAINTSTRUCT{};
  ps->rcPaint = {0, 0, w->client.width, w->client.height};
  ps->hdc = GetDC(hwnd);
  if (w->needsErase) {
    w->needsErase = false;
    ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
  }
  return ps->hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}
