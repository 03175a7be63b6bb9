#include "shell/control_panel.h"

#include <cassert>

#include "canvas/app_state.h"
#include "canvas/drawing.h"
#include "shell/resource_ids.h"

const char* const DotColorNames[kDotColorCount] = {
    "黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白",
};

void CreateControlFont() {
  const LOGFONTA font = CellFont(6, 12);
  AppState.ControlFont = CreateFontIndirectA(&font);
}

HWND CreateChildControl(HWND parent, ControlKind kind, const char* text, int id, int x, int y,
                        int width, int height) {
  const char* className = nullptr;
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case KIND_PUSH_BUTTON:
      className = "BUTTON";
      style |= BS_PUSHBUTTON;
      break;
    case KIND_CHECK_BOX:
      // BS_CHECKBOX, not BS_AUTOCHECKBOX: the option flag is the truth and the program sets
      // the mark from it after every toggle.
      className = "BUTTON";
      style |= BS_CHECKBOX;
      break;
    case KIND_DROPDOWN_LIST:
      // No CBS_SORT: an entry's position is its dot-colour index.
      className = "COMBOBOX";
      style |= WS_VSCROLL | CBS_DISABLENOSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST;
      break;
    case KIND_STATIC:
      className = "STATIC";
      style |= SS_LEFT;
      break;
  }
  assert(className && "unknown control kind");
  HWND control = CreateWindowExA(0, className, text, style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 AppState.Instance, nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(AppState.ControlFont), 1);
  return control;
}

void CreateControlPanel(HWND parent) {
  CreateControlFont();
  AppState.LargeSizeBox =
      CreateChildControl(parent, KIND_CHECK_BOX, "大きいサイズ", IDC_LARGE_SIZE, 8, 8, 100, 20);
  AppState.BrightBox =
      CreateChildControl(parent, KIND_CHECK_BOX, "明るく作図", IDC_BRIGHT, 110, 8, 100, 20);
  // The label sits 3 pixels lower than the row so that its text lines up with the boxes'.
  CreateChildControl(parent, KIND_STATIC, "色", IDC_COLOR_LABEL, 210, 11, 12, 16);
  // 160 is the height with the list opened. "赤" is only the window text: a drop-down list
  // shows its selected entry, and the entries come with the first paint.
  AppState.DotColorList =
      CreateChildControl(parent, KIND_DROPDOWN_LIST, "赤", IDC_DOT_COLOR, 224, 8, 60, 160);
  AppState.MarkersInsideBox = CreateChildControl(parent, KIND_CHECK_BOX, "マーカーを中に",
                                                 IDC_MARKERS_INSIDE, 300, 8, 110, 20);
  CreateChildControl(parent, KIND_PUSH_BUTTON, "３Ｄ作図", IDC_RENDER, 414, 8, 74, 20);
  CreateChildControl(parent, KIND_PUSH_BUTTON, "編集画面", IDC_EDIT_VIEW, 414, 34, 74, 20);
}

void FillDotColorList() {
  for (const char* name : DotColorNames)
    SendMessageA(AppState.DotColorList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  SendMessageA(AppState.DotColorList, CB_SETCURSEL, kInitialDotColor, 0);
}
