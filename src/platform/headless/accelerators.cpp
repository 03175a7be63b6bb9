// Headless backend, keyboard accelerators. See headless_accelerators.h for what it stands in
// for.
#include <algorithm>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"

namespace headless {
namespace {

// The tables handed out as HACCEL, so that any other value is refused.
std::vector<const AcceleratorTableResource*>& Loaded() {
  static std::vector<const AcceleratorTableResource*> loaded;
  return loaded;
}
const bool registered = (OnReset([] { Loaded().clear(); }), true);

}  // namespace

MSG AltCharMessage(HWND focus, char character) {
  return MSG{focus,        WM_SYSCHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)),
             kAltHeld | 1, 0,          {0, 0}};
}

}  // namespace headless

using namespace headless;

HACCEL WINAPI LoadAcceleratorsA(HINSTANCE instance, LPCSTR name) {
  (void)registered;
  const AcceleratorTableResource* table = FindAcceleratorResource(instance, name);
  if (!table) return nullptr;
  if (std::find(Loaded().begin(), Loaded().end(), table) == Loaded().end())
    Loaded().push_back(table);
  return reinterpret_cast<HACCEL>(const_cast<AcceleratorTableResource*>(table));
}

int WINAPI TranslateAcceleratorA(HWND hwnd, HACCEL accel, MSG* msg) {
  if (!ToWindow(hwnd) || !msg) return 0;
  if (msg->message != WM_CHAR && msg->message != WM_SYSCHAR) return 0;
  const auto* table = reinterpret_cast<const AcceleratorTableResource*>(accel);
  if (std::find(Loaded().begin(), Loaded().end(), table) == Loaded().end()) return 0;
  const bool altHeld = (msg->lParam & kAltHeld) != 0;
  for (const ACCEL& entry : table->entries) {
    if (entry.fVirt & FVIRTKEY) continue;
    if (entry.key != msg->wParam) continue;
    if (((entry.fVirt & FALT) != 0) != altHeld) continue;
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
    return 1;
  }
  return 0;
}
