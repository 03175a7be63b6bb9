// The window calls whose meaning needs nothing of how a backend shows its windows: classes,
// dialog items by identifier, UpdateWindow, the dispatch of a queued message, and the default
// handling of closing, painting and erasing.
#include <map>
#include <string>

#include "platform/win32.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

std::map<std::string, WNDCLASSEXA>& Classes() {
  static std::map<std::string, WNDCLASSEXA> classes;
  return classes;
}

}  // namespace

const WNDCLASSEXA* FindClass(const char* name) {
  if (!name) return nullptr;
  auto cls = Classes().find(name);
  return cls == Classes().end() ? nullptr : &cls->second;
}

void ForgetClasses() { Classes().clear(); }

LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (!backend::IsWindow(hwnd)) return 0;
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_PAINT: {
      // Validates the client area, erasing it first when that was asked for.
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      backend::EraseClient(hwnd, reinterpret_cast<HDC>(wParam));
      return 1;  // erased
    default:
      return 0;
  }
}

}  // namespace wm

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) return 0;
  auto& classes = wm::Classes();
  if (classes.count(wc->lpszClassName)) return 0;
  classes[wc->lpszClassName] = *wc;
  return static_cast<ATOM>(classes.size());
}

HWND WINAPI GetDlgItem(HWND parent, int id) {
  for (HWND child : backend::Children(parent))
    if (backend::ChildId(child) == id) return child;
  return nullptr;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  if (!backend::IsWindow(hwnd)) return FALSE;
  if (backend::WaitsForPaint(hwnd)) SendMessageA(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

// Key presses arrive together with their character messages, so nothing is left to do.
BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
