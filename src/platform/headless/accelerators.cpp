// Headless backend, keyboard accelerators: the messages a user's keys make. LoadAcceleratorsA
// and TranslateAcceleratorA are the window manager's (platform/wm/accelerators.cpp).
#include "platform/headless/headless_accelerators.h"
#include "platform/wm/window_manager.h"

namespace headless {

MSG AltCharMessage(HWND focus, char character) {
  return MSG{focus,
             WM_SYSCHAR,
             static_cast<WPARAM>(static_cast<unsigned char>(character)),
             wm::kAltContext | 1,
             0,
             {0, 0}};
}

}  // namespace headless
