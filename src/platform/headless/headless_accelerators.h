// Headless keyboard accelerators.
//
// Implements: LoadAcceleratorsA (a table of the module's resources) and TranslateAcceleratorA
// for character accelerators (entries without FVIRTKEY): a WM_CHAR or WM_SYSCHAR whose
// character is an entry's key matches when the Alt state the entry asks for (FALT) is the one
// the message carries in bit 29 of lParam, as the window system sets it while Alt is held.
// The entry's command is then sent at once to the procedure of the window given to
// TranslateAcceleratorA as WM_COMMAND (MAKEWPARAM(command, 1), 0), and the message counts as
// translated.
// Does not implement: virtual-key entries (FVIRTKEY: there is no key state to check Shift and
// Control against, so they never match), FSHIFT / FCONTROL on character entries, the
// WM_INITMENU / WM_INITMENUPOPUP that Windows sends before a command of a menu item, and
// FNOINVERT.
#pragma once

#include "platform/win32.h"

namespace headless {

// Bit 29 of a key message's lParam: Alt is held.
constexpr LPARAM kAltHeld = 0x20000000;

// The character message a user's Alt + character makes, addressed to the window with the
// keyboard focus.
MSG AltCharMessage(HWND focus, char character);

}  // namespace headless
