// Headless child controls: what a user does to the window manager's built-in controls.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace headless {

// A left-button click on a control as the two messages the window system delivers to it
// (press, release), for an input source that plays a user session.
std::vector<MSG> ClickMessages(HWND control);
// The user opens the drop-down list and picks entry `index`: the selection becomes `index`
// and the parent gets WM_COMMAND (MAKEWPARAM(id, CBN_SELCHANGE), the list), the same entry
// picked again included, as the list box reports every pick.
// Returns false, changing nothing, when `index` is not an entry.
bool PickListEntry(HWND comboBox, int index);

}  // namespace headless
