// The built-in control classes, the same for every emulated backend: "BUTTON" (push buttons,
// check boxes: BS_CHECKBOX keeps its mark until BM_SETCHECK, BS_AUTOCHECKBOX changes it on a
// click), "COMBOBOX" (an unsorted pick-only list) and "STATIC" (text or an icon). A control
// notifies its parent as user32's do: WM_COMMAND sent at once, from within the click or pick.
// Not handled: keyboard input and focus, CBS_SORT, edit fields, notifications other than
// BN_CLICKED and CBN_SELCHANGE.
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

bool IsButton(const Window* w) { return w && w->className == "BUTTON"; }

// Check boxes keep a mark; push buttons have none (the program makes no other kind).
bool HasMark(const Window* w) {
  const DWORD type = w->style & BS_TYPEMASK;
  return IsButton(w) && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX);
}

void Notify(Window* w, WORD code) {
  if (!ToWindow(w->parent)) return;
  SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code),
               reinterpret_cast<LPARAM>(ToHandle(w)));
}

}  // namespace

bool ClickButton(HWND button) {
  Window* w = ToWindow(button);
  if (!IsButton(w)) return false;
  if ((w->style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
    w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    backend::ControlChanged(button);
  }
  Notify(w, BN_CLICKED);
  return true;
}

bool PickListEntry(HWND comboBox, int index) {
  Window* w = ToWindow(comboBox);
  if (!w || w->className != "COMBOBOX" || !wm::PickEntry(w->list, index)) return false;
  backend::ControlChanged(comboBox);
  Notify(w, CBN_SELCHANGE);
  return true;
}

int DefaultButtonId(HWND dialog) {
  for (HWND child : Children(dialog)) {
    const Window* w = ToWindow(child);
    if (IsButton(w) && (w->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return w->id;
  }
  return IDOK;
}

// A button clicks when the left button comes up over it after going down on it.
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w) return 0;
  if (LRESULT result;
      w->className == "COMBOBOX" && AnswerComboMessage(w->list, msg, wParam, lParam, &result)) {
    if (msg == CB_ADDSTRING || msg == CB_SETCURSEL) backend::ControlChanged(hwnd);
    return result;
  }
  switch (msg) {
    case WM_LBUTTONDOWN:
      w->pressed = IsButton(w);
      return 0;
    case WM_LBUTTONUP: {
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      const bool inside = x >= 0 && y >= 0 && x < w->width && y < w->height;
      if (w->pressed && inside) ClickButton(hwnd);
      if ((w = ToWindow(hwnd))) w->pressed = false;
      return 0;
    }
    case WM_SETFONT:
      w->font = reinterpret_cast<HFONT>(wParam);
      backend::ControlChanged(hwnd);
      return 0;
    case BM_SETCHECK:
      if (!HasMark(w)) return 0;
      w->check = static_cast<int>(wParam);
      backend::ControlChanged(hwnd);
      return 0;
    case BM_GETCHECK:
      return IsButton(w) ? w->check : 0;
    default:
      return 0;
  }
}

}  // namespace wm
