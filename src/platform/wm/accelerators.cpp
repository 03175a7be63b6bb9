// Keyboard accelerators, the same for every backend: LoadAcceleratorsA hands out the module's
// tables, TranslateAcceleratorA turns a key or character message that matches an entry into
// WM_COMMAND (MAKEWPARAM(command, 1), 0), sent at once to the window it was given (not to the
// one the message is addressed to).
//
// A virtual-key entry (FVIRTKEY) matches a WM_KEYDOWN or WM_SYSKEYDOWN of its key when Shift,
// Control and Alt are held exactly as it asks. A character entry matches a WM_CHAR or
// WM_SYSCHAR of its character when Alt is held as it asks (Shift and Control have made the
// character already), and a WM_SYSKEYDOWN of its key when it asks for Alt.
// Not handled: the menu's WM_INITMENU before the command, FNOINVERT.
#include "platform/module.h"
#include "platform/win32.h"
#include "platform/wm/window_manager.h"

namespace {

constexpr BYTE kHeldMask = FSHIFT | FCONTROL | FALT;
// lParam of a key message: an extended key (not one of the typewriter keys).
constexpr LPARAM kExtendedKey = 0x01000000;

bool Matches(const ACCEL& entry, const MSG& msg, BYTE held) {
  if (msg.wParam != entry.key) return false;
  switch (msg.message) {
    case WM_CHAR:
    case WM_SYSCHAR:
      return !(entry.fVirt & FVIRTKEY) && (held & FALT) == (entry.fVirt & FALT);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (entry.fVirt & FVIRTKEY) return held == (entry.fVirt & kHeldMask);
      return !(msg.lParam & kExtendedKey) && (entry.fVirt & FALT) && (msg.lParam & wm::kAltContext);
    default:
      return false;
  }
}

}  // namespace

HACCEL WINAPI LoadAcceleratorsA(HINSTANCE instance, LPCSTR name) {
  return reinterpret_cast<HACCEL>(
      const_cast<AcceleratorTableResource*>(FindAcceleratorResource(instance, name)));
}

int WINAPI TranslateAcceleratorA(HWND hwnd, HACCEL accel, MSG* msg) {
  const AcceleratorTableResource* table = AcceleratorTableOfHandle(accel);
  if (!table || !msg || !wm::ToWindow(hwnd)) return 0;
  const BYTE held = wm::KeysHeld(*msg) & kHeldMask;
  for (const ACCEL& entry : table->entries) {
    if (!Matches(entry, *msg, held)) continue;
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
    return 1;
  }
  return 0;
}
