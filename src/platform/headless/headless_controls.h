// Headless child controls: the built-in "BUTTON", "COMBOBOX" and "STATIC" classes, and what a
// user does to them.
//
// Implements: push buttons and check boxes (BS_CHECKBOX keeps its mark until BM_SETCHECK;
// BS_AUTOCHECKBOX flips it on a click), an unsorted pick-only list (CB_ADDSTRING, CB_GETCOUNT,
// CB_SETCURSEL, CB_GETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN), static text, WM_SETFONT.
// Does not implement: drawing of the controls, keyboard handling and focus, the opened list's
// own window, CBS_SORT, edit fields, notifications other than BN_CLICKED and CBN_SELCHANGE.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace headless {

// A left-button click on the control, as the control itself handles it: a push button or check
// box sends WM_COMMAND (MAKEWPARAM(id, BN_CLICKED), the control) to its parent at once. A
// static control sends nothing. Returns whether a command was sent.
bool ClickControl(HWND control);
// The same click as the two messages the window system delivers to the control (press,
// release), for an input source that plays a user session.
std::vector<MSG> ClickMessages(HWND control);
// The user opens the drop-down list and picks entry `index`: the selection becomes `index`
// and the parent gets WM_COMMAND (MAKEWPARAM(id, CBN_SELCHANGE), the list), the same entry
// picked again included, as the list box reports every pick.
// Returns false, changing nothing, when `index` is not an entry.
bool PickListEntry(HWND comboBox, int index);

}  // namespace headless

// The window procedure of the built-in control classes.
LRESULT CALLBACK HeadlessControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
