#include "platform/wm/combo_list.h"

namespace wm {
namespace {

bool IsEntry(const ComboList& list, WPARAM index) { return index < list.entries.size(); }

}  // namespace

bool AnswerComboMessage(ComboList& list, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT r = CB_ERR;
  switch (msg) {
    case CB_ADDSTRING:
      // A null text adds an empty entry.
      list.entries.emplace_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
      r = static_cast<LRESULT>(list.entries.size() - 1);
      break;
    case CB_GETCOUNT:
      r = static_cast<LRESULT>(list.entries.size());
      break;
    case CB_SETCURSEL:
      list.selection = IsEntry(list, wParam) ? static_cast<int>(wParam) : CB_ERR;
      r = list.selection;
      break;
    case CB_GETCURSEL:
      r = list.selection;
      break;
    default:
      return false;
  }
  *result = r;
  return true;
}

bool PickEntry(ComboList& list, int index) {
  if (index < 0 || !IsEntry(list, static_cast<WPARAM>(index))) return false;
  list.selection = index;
  return true;
}

}  // namespace wm
