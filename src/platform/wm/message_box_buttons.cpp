#include "platform/wm/message_box_buttons.h"

namespace wm {
namespace {

bool IsYesNo(UINT type) { return (type & MB_TYPEMASK) == MB_YESNO; }

}  // namespace

std::vector<int> MessageBoxButtons(UINT type) {
  if (IsYesNo(type)) return {IDYES, IDNO};
  return {IDOK};
}

int ClosedAnswer(UINT type) { return IsYesNo(type) ? IDNO : IDOK; }

// The program's users read Japanese: the word is the one their system shows.
const char* MessageBoxCaption(const char* caption) { return caption ? caption : "エラー"; }

}  // namespace wm
