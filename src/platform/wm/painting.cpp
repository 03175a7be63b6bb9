// The update region, BeginPaint/EndPaint and the default erase, and what a new client size
// does: the same for every emulated backend.
#include <algorithm>
#include <new>

#include "platform/backend.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

RECT Union(const RECT& a, const RECT& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

RECT Whole(const Window& w) { return {0, 0, w.client.width, w.client.height}; }

// Fills a part of the client with the class background; a class without one paints nothing.
void EraseRect(Window* w, const RECT& rect) {
  const RECT area = Intersect(rect, Whole(*w));
  if (!w->background || IsEmpty(area)) return;
  const std::uint32_t pixel =
      raster::PixelFromColorref(raster::ClassBackgroundColor(w->background));
  for (int y = area.top; y < area.bottom; ++y)
    raster::FillPixels(w->client.RowToWrite(y, area.left, area.right) + area.left,
                       static_cast<std::size_t>(area.right - area.left), pixel);
  backend::ClientDrawn(ToHandle(w));
}

}  // namespace

void Invalidate(Window* w, const RECT* rect, bool erase) {
  // A hidden window shows nothing to repaint; it is painted whole once it is shown.
  if (w->kind == WindowKind::Control || !w->visible) return;
  const RECT area = rect ? Intersect(*rect, Whole(*w)) : Whole(*w);
  if (rect && IsEmpty(area)) return;  // nothing of the client: nothing waits
  w->update = Union(w->update, area);
  w->needsErase = w->needsErase || erase;
  w->needsPaint = true;
  backend::PaintWaiting();
}

void SizeChanged(HWND hwnd, WPARAM kind, int width, int height) {
  Window* w = ToWindow(hwnd);
  if (!w || w->destroying) return;
  if (kind == SIZE_MINIMIZED) {
    // Nothing of the client is kept while it is away.
    w->minimized = true;
    w->reportedWidth = w->reportedHeight = 0;
    SendMessageA(hwnd, WM_SIZE, kind, 0);
    return;
  }
  const bool restored = w->minimized;
  w->minimized = false;
  const int oldWidth = w->client.width, oldHeight = w->client.height;
  try {
    w->client.Resize(width, height);
  } catch (const std::bad_alloc&) {
    // The old pixels stay; a backend shows the rest of the client as their continuation.
  }
  EraseRect(w, {oldWidth, 0, w->client.width, w->client.height});
  EraseRect(w, {0, oldHeight, w->client.width, w->client.height});
  const bool grown = w->client.width > oldWidth || w->client.height > oldHeight;
  if (width != w->reportedWidth || height != w->reportedHeight) {
    w->reportedWidth = width;
    w->reportedHeight = height;
    SendMessageA(hwnd, WM_SIZE, kind, MAKELPARAM(width, height));
    if (!(w = ToWindow(hwnd))) return;
    const bool redraw = (w->classStyle & (CS_HREDRAW | CS_VREDRAW)) != 0;
    Invalidate(w, nullptr, redraw || restored);
  } else if (restored || grown) {
    Invalidate(w, nullptr, true);
  }
}

LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  Window* w = ToWindow(hwnd);
  if (!w) return 0;
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
      // What waits to be repainted, or all of the client when nothing does.
      EraseRect(w, IsEmpty(w->update) ? Whole(*w) : w->update);
      return w->background ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace wm

using namespace wm;

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  Invalidate(w, rect, erase != FALSE);
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  if (!w) return FALSE;
  if (w->needsPaint) SendMessageA(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

// The update region is taken at once: what is invalidated while the procedure paints waits
// for the next WM_PAINT.
HDC WINAPI BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = ToWindow(hwnd);
  if (!w || !ps) return nullptr;
  *ps = PAINTSTRUCT{};
  ps->hdc = GetDC(hwnd);
  ps->rcPaint = IsEmpty(w->update) ? Whole(*w) : w->update;
  if (w->needsErase) {
    w->needsErase = false;
    ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
  }
  if ((w = ToWindow(hwnd))) {
    w->needsPaint = false;
    w->update = RECT{};
  }
  return ps->hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}
