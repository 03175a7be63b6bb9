// Headless child controls: what a user does to the window manager's built-in controls.
#pragma once

#include <vector>

#include "platform/win32.h"
#include "platform/wm/window_manager.h"

namespace headless {

// A left-button click on a control as the two messages the window system delivers to it
// (press, release), for an input source that plays a user session.
std::vector<MSG> ClickMessages(HWND control);
// The user opens the drop-down list and picks an entry (see wm::PickListEntry).
using wm::PickListEntry;

}  // namespace headless
