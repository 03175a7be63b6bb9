// Headless backend, child controls. See headless_controls.h for what it stands in for. Each
// control keeps its state in its window record and answers the messages the program sends it.
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_windows.h"

using namespace headless;

namespace {

bool IsButton(const Window* w) { return w->className == "BUTTON"; }

void Notify(Window* w, WORD code) {
  SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code),
               reinterpret_cast<LPARAM>(ToHandle(w)));
}

// What the button does when the left button comes up over it after going down on it.
void Clicked(Window* w) {
  if ((w->style & 0x0F) == BS_AUTOCHECKBOX)
    w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  Notify(w, BN_CLICKED);
}

}  // namespace

namespace headless {

bool ClickControl(HWND control) {
  Window* w = ToWindow(control);
  if (!w || !w->parent || !IsButton(w)) return false;
  Clicked(w);
  return true;
}

std::vector<MSG> ClickMessages(HWND control) {
  return {MSG{control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1), 0, {0, 0}},
          MSG{control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1), 0, {0, 0}}};
}

bool PickListEntry(HWND comboBox, int index) {
  Window* w = ToWindow(comboBox);
  if (!w || w->className != "COMBOBOX" || !wm::PickEntry(w->list, index)) return false;
  if (w->parent) Notify(w, CBN_SELCHANGE);
  return true;
}

}  // namespace headless

LRESULT CALLBACK HeadlessControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w) return 0;
  if (LRESULT result;
      w->className == "COMBOBOX" && wm::AnswerComboMessage(w->list, msg, wParam, lParam, &result))
    return result;
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (IsButton(w)) w->pressed = true;
      return 0;
    case WM_LBUTTONUP:
      if (IsButton(w) && w->pressed) {
        w->pressed = false;
        Clicked(w);
      }
      return 0;
    case WM_SETFONT:
      w->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case BM_SETCHECK:
      if (w->className == "BUTTON") w->check = static_cast<int>(wParam);
      return 0;
    case BM_GETCHECK:
      return w->className == "BUTTON" ? w->check : 0;
    default:
      return 0;
  }
}
