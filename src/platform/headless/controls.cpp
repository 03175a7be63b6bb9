// Headless backend, what a user does to child controls. See headless_controls.h.
#include "platform/headless/headless_controls.h"

namespace headless {

std::vector<MSG> ClickMessages(HWND control) {
  return {MSG{control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1), 0, {0, 0}},
          MSG{control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1), 0, {0, 0}}};
}

}  // namespace headless
