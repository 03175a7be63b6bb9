// What a message box offers and answers, whoever draws it: the buttons its type asks for, in
// the order Windows lays them out, the button that has the focus first, the answer when the box
// is closed without a button, and the caption of a box given none.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace wm {

// The answers of the buttons, left to right (IDOK, IDCANCEL, IDYES, ...; abort, retry and
// ignore are 3, 4 and 5).
std::vector<int> MessageBoxButtons(UINT type);
// The answer of the button MB_DEFBUTTON1..4 names; the first one when there is no such button.
int DefaultButton(UINT type);
// The close box and Escape answer IDCANCEL where a Cancel button is, IDOK on a box with only
// OK; a box without either (Yes/No, Abort/Retry/Ignore) cannot be closed that way, and a backend
// that cannot stop a close gets the answer that changes nothing.
int ClosedAnswer(UINT type);
// A null caption shows as the system's word for an error.
const char* MessageBoxCaption(const char* caption);

}  // namespace wm
