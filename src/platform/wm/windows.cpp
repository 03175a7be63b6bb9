// Window records and their lifetime: CreateWindowExA, DestroyWindow, ShowWindow and the
// delivery of sent messages, the same for every emulated backend.
#include <algorithm>
#include <cctype>
#include <new>

#include "platform/backend.h"
#include "platform/handle_table.h"
#include "platform/wm/frame.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

// The live windows, in the order they were made, and their handles. A handle is an entry of
// the table, not the record's address: the handle of a destroyed window is refused even after
// a new record has taken the old one's memory.
struct WindowList {
  std::vector<std::unique_ptr<Window>> records;
  platform::HandleTable<Window, 5> handles;
};
WindowList& List() {
  static WindowList list;
  return list;
}
std::vector<std::unique_ptr<Window>>& Records() { return List().records; }
std::uintptr_t Number(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

void Remove(Window* w) {
  List().handles.Remove(Number(w->handle));
  std::erase_if(Records(), [w](const std::unique_ptr<Window>& r) { return r.get() == w; });
}

bool IsControlClass(const std::string& name) {
  return name == "BUTTON" || name == "COMBOBOX" || name == "STATIC";
}

std::string UpperCase(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

Window* ToWindow(HWND hwnd) { return List().handles.Find(Number(hwnd)); }
HWND ToHandle(Window* window) { return window ? window->handle : nullptr; }

// Handles, not records: the caller may destroy windows while it walks the list.
std::vector<HWND> Windows() {
  std::vector<HWND> out;
  for (const auto& r : Records()) out.push_back(ToHandle(r.get()));
  return out;
}
std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  for (const auto& r : Records())
    if (r->parent == parent) out.push_back(ToHandle(r.get()));
  return out;
}

HWND TopLevelOf(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  while (w && ToWindow(w->parent)) w = ToWindow(w->parent);
  return w ? ToHandle(w) : nullptr;
}

void ForgetWindows() {
  for (const auto& r : Records()) List().handles.Remove(Number(r->handle));
  Records().clear();
}

namespace {

// Takes down a window and its children; those that were made whole hear WM_DESTROY first.
void Destroy(HWND hwnd, bool tell) {
  Window* w = ToWindow(hwnd);
  w->destroying = true;
  if (tell) SendMessageA(hwnd, WM_DESTROY, 0, 0);
  for (HWND child : Children(hwnd))
    if (Window* c = ToWindow(child); c && !c->destroying) Destroy(child, tell);
  backend::WindowGone(hwnd);
  if ((w = ToWindow(hwnd))) Remove(w);
}

}  // namespace

// Makes the record, lets the backend present it and sends WM_CREATE. A window whose procedure
// refuses it with -1 was never made: it goes without WM_DESTROY, and no handle is returned.
HWND CreateWindowRecord(std::unique_ptr<Window> window, int clientWidth, int clientHeight) {
  Window* w = window.get();
  if (w->kind != WindowKind::Control) {
    try {
      w->client.Resize(clientWidth, clientHeight);
    } catch (const std::bad_alloc&) {
      return nullptr;  // a client area larger than memory: no window
    }
    // Until the first paint, the client shows its class background.
    if (w->background)
      w->client.FillRows(0, w->client.height,
                         raster::PixelFromColorref(raster::ClassBackgroundColor(w->background)));
  }
  const HWND hwnd = reinterpret_cast<HWND>(List().handles.Add(w));
  if (!hwnd) return nullptr;  // a million live windows
  w->handle = hwnd;
  Records().push_back(std::move(window));
  if (!backend::PresentWindow(hwnd)) {
    Remove(w);
    return nullptr;
  }
  if (SendMessageA(hwnd, WM_CREATE, 0, 0) == -1) {
    if (ToWindow(hwnd)) Destroy(hwnd, false);
    return nullptr;
  }
  if ((w = ToWindow(hwnd)) && (w->style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
  return ToWindow(hwnd) ? hwnd : nullptr;
}

}  // namespace wm

using namespace wm;

raster::Surface* backend::ClientSurface(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  return w && w->kind != WindowKind::Control ? &w->client : nullptr;
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                            LPVOID) {
  if (!className) return nullptr;
  auto window = std::make_unique<Window>();
  window->style = style;
  window->instance = instance;
  window->x = x;
  window->y = y;
  window->width = width;
  window->height = height;
  if (style & WS_CHILD) {
    if (!ToWindow(parent)) return nullptr;
    window->parent = parent;
    window->id = static_cast<int>(reinterpret_cast<UINT_PTR>(menu));
  }
  if (const WNDCLASSEXA* cls = FindClass(className)) {
    window->className = className;
    window->proc = cls->lpfnWndProc;
    window->classStyle = cls->style;
    window->background = cls->hbrBackground;
  } else if ((style & WS_CHILD) && IsControlClass(UpperCase(className))) {
    window->kind = WindowKind::Control;
    window->className = UpperCase(className);
    window->proc = ControlProc;
  } else {
    return nullptr;
  }
  // An icon control names its icon resource instead of a text.
  if (window->kind == WindowKind::Control && IS_INTRESOURCE(windowName))
    window->iconId = static_cast<WORD>(reinterpret_cast<UINT_PTR>(windowName));
  else
    window->text = windowName ? windowName : "";
  int clientWidth = width, clientHeight = height;
  if (!(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION) {
    clientWidth -= kFrameWidth;
    clientHeight -= kFrameHeight;
  }
  return CreateWindowRecord(std::move(window), clientWidth, clientHeight);
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  // Called again from its own WM_DESTROY: the window is going already.
  if (!w->destroying) Destroy(hwnd, true);
  return TRUE;
}

namespace {

using backend::ShowState;

ShowState StateOf(int cmdShow) {
  switch (cmdShow) {
    case SW_HIDE:
      return ShowState::Hidden;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      return ShowState::Minimized;
    case SW_SHOWNORMAL:
    case SW_SHOWMAXIMIZED:  // the window system maximises, not the program
    case SW_SHOWNOACTIVATE:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      return ShowState::Restored;
    default:  // SW_SHOW, SW_SHOWNA: as it was
      return ShowState::Shown;
  }
}

}  // namespace

// A top-level window shown for the first time, or restored, hears its client size and is
// painted whole; minimised, it hears that its client area is gone.
BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  const BOOL wasVisible = w->visible ? TRUE : FALSE;
  const ShowState state = StateOf(cmdShow);
  w->visible = state != ShowState::Hidden;
  backend::PresentShow(hwnd, state);
  if (!(w = ToWindow(hwnd)) || w->parent) return wasVisible;
  if (state == ShowState::Minimized && !w->minimized) {
    SizeChanged(hwnd, SIZE_MINIMIZED, 0, 0);
  } else if (w->visible && (!wasVisible || (w->minimized && state == ShowState::Restored))) {
    SizeChanged(hwnd, SIZE_RESTORED, w->client.width, w->client.height);
    if ((w = ToWindow(hwnd))) Invalidate(w, nullptr, true);
  }
  return wasVisible;
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w || !w->proc) return 0;
  backend::MessageSent(hwnd, msg, wParam, lParam);
  const LRESULT result = w->proc(hwnd, msg, wParam, lParam);
  if (msg == WM_PAINT) backend::Painted(hwnd);
  return result;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  backend::DefaultHandled(hwnd, msg, wParam, lParam);
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}
