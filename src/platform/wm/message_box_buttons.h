// What a message box offers and answers, whoever draws it: the buttons its type asks for, in
// the order Windows lays them out (the first has the focus), the answer when the box is closed
// without a button, and the caption of a box given none. The program asks for OK and for
// Yes/No boxes only.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace wm {

// The answers of the buttons, left to right: IDYES, IDNO for MB_YESNO, else IDOK.
std::vector<int> MessageBoxButtons(UINT type);
// Escape and the close box answer IDOK on a box with only OK. A Yes/No box cannot be closed
// that way; a backend that cannot stop a close gets the answer that changes nothing, IDNO.
int ClosedAnswer(UINT type);
// A null caption shows as the system's word for an error.
const char* MessageBoxCaption(const char* caption);

}  // namespace wm
