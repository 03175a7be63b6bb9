// The clipboard, CF_BITMAP only. It owns the bitmap it is given from then on: it deletes the one
// it replaces and what EmptyClipboard or a reset empties. Showing it to other programs is the
// backend's (backend::ClipboardFilled / ClipboardEmptied).
#include "platform/wm/clipboard.h"

#include "platform/raster/surface.h"
#include "platform/wm/window_backend.h"

namespace wm {
namespace {

struct State {
  bool open = false;
  bool heldElsewhere = false;
  HWND openedBy = nullptr;
  HWND owner = nullptr;
  HBITMAP bitmap = nullptr;
};

State& S() {
  static State state;
  return state;
}

void DropBitmap() {
  if (S().bitmap) DeleteObject(S().bitmap);
  S().bitmap = nullptr;
}

}  // namespace

HBITMAP ClipboardBitmap() { return S().bitmap; }
void HoldClipboardElsewhere(bool held) { S().heldElsewhere = held; }

void ForgetClipboard() {
  DropBitmap();
  S() = State();
}

}  // namespace wm

using wm::S;

BOOL WINAPI OpenClipboard(HWND owner) {
  if (S().open || S().heldElsewhere) return FALSE;
  S().open = true;
  S().openedBy = owner;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!S().open) return FALSE;
  wm::DropBitmap();
  S().owner = S().openedBy;
  backend::ClipboardEmptied();
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  if (!S().open || format != CF_BITMAP || !raster::ToBitmap(data)) return nullptr;
  if (data != S().bitmap) wm::DropBitmap();
  S().bitmap = static_cast<HBITMAP>(data);
  backend::ClipboardFilled(S().bitmap);
  return data;
}

BOOL WINAPI CloseClipboard() {
  if (!S().open) return FALSE;
  S().open = false;
  S().openedBy = nullptr;
  return TRUE;
}
