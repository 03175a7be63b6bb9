// Headless keyboard accelerators: the shared TranslateAcceleratorA takes Alt as held when bit 29
// of the message's lParam says so (there is no keyboard to ask), Shift and Control as not held.
#pragma once

#include "platform/win32.h"

namespace headless {

// The character message a user's Alt + character makes, addressed to the window with the
// keyboard focus.
MSG AltCharMessage(HWND focus, char character);

}  // namespace headless
