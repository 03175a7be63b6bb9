// The state of a pick-only drop-down list ("COMBOBOX" with CBS_DROPDOWNLIST) and its answers to
// the CB_ messages, the same whoever draws the list.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace wm {

struct ComboList {
  std::vector<std::string> entries;  // in the order added (no CBS_SORT)
  int selection = CB_ERR;            // index of the selected entry, or CB_ERR for none
};

// Answers CB_ADDSTRING (adds without selecting), CB_GETCOUNT, CB_SETCURSEL (an index past the
// end clears the selection and gives CB_ERR) and CB_GETCURSEL. Returns false for any other
// message.
bool AnswerComboMessage(ComboList& list, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The user picks entry `index` in the opened list. The list box reports every pick, the same
// entry again included, so the parent is to get CBN_SELCHANGE whenever this returns true; it
// returns false, changing nothing, when `index` is not an entry.
bool PickEntry(ComboList& list, int index);

}  // namespace wm
