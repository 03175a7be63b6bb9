// Headless backend, clipboard. See headless_clipboard.h for what it stands in for.
#include "platform/headless/headless.h"
#include "platform/headless/headless_clipboard.h"

namespace headless {
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

const bool registered = (OnReset([] {
                           DropBitmap();
                           S() = State();
                         }),
                         true);

}  // namespace

HBITMAP ClipboardBitmap() { return S().bitmap; }
void HoldClipboardElsewhere(bool held) { S().heldElsewhere = held; }

}  // namespace headless

using headless::S;

BOOL WINAPI OpenClipboard(HWND owner) {
  (void)headless::registered;
  if (S().open || S().heldElsewhere) return FALSE;
  S().open = true;
  S().openedBy = owner;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!S().open) return FALSE;
  headless::DropBitmap();
  S().owner = S().openedBy;
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  if (!S().open || format != CF_BITMAP || !data) return nullptr;
  if (data != S().bitmap) headless::DropBitmap();
  S().bitmap = static_cast<HBITMAP>(data);
  return data;
}

BOOL WINAPI CloseClipboard() {
  if (!S().open) return FALSE;
  S().open = false;
  S().openedBy = nullptr;
  return TRUE;
}
