#include "platform/wm/message_box_buttons.h"

#include <algorithm>

namespace wm {
namespace {

constexpr UINT kButtonsMask = 0x0F;
constexpr UINT kDefaultButtonMask = 0xF00;
constexpr UINT kOkCancel = 0x01, kAbortRetryIgnore = 0x02, kYesNoCancel = 0x03, kRetryCancel = 0x05;
constexpr int kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5;

bool Has(const std::vector<int>& buttons, int id) {
  return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

}  // namespace

std::vector<int> MessageBoxButtons(UINT type) {
  switch (type & kButtonsMask) {
    case kOkCancel:
      return {IDOK, IDCANCEL};
    case kAbortRetryIgnore:
      return {kIdAbort, kIdRetry, kIdIgnore};
    case kYesNoCancel:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case kRetryCancel:
      return {kIdRetry, IDCANCEL};
    default:
      return {IDOK};
  }
}

int DefaultButton(UINT type) {
  const std::vector<int> buttons = MessageBoxButtons(type);
  const std::size_t index = (type & kDefaultButtonMask) >> 8;
  return buttons[index < buttons.size() ? index : 0];
}

int ClosedAnswer(UINT type) {
  const std::vector<int> buttons = MessageBoxButtons(type);
  if (Has(buttons, IDCANCEL)) return IDCANCEL;
  if (Has(buttons, IDNO)) return IDNO;
  return buttons.front();
}

// The program's users read Japanese: the word is the one their system shows.
const char* MessageBoxCaption(const char* caption) { return caption ? caption : "エラー"; }

}  // namespace wm
