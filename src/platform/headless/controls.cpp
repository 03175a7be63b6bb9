// Headless backend, child controls: "BUTTON" (push buttons and check boxes that never change
// their own mark), "COMBOBOX" (an unsorted pick-only list) and "STATIC". Each keeps its state
// in its window record and answers the messages the program sends it.
#include <cstring>

#include "platform/headless/headless_windows.h"

using namespace headless;

LRESULT CALLBACK HeadlessControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_SETFONT:
      w->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case BM_SETCHECK:
      if (w->className == "BUTTON") w->check = static_cast<int>(wParam);
      return 0;
    case BM_GETCHECK:
      return w->className == "BUTTON" ? w->check : 0;
    case CB_ADDSTRING:
      if (w->className != "COMBOBOX" || !lParam) return CB_ERR;
      w->entries.emplace_back(reinterpret_cast<const char*>(lParam));
      return static_cast<LRESULT>(w->entries.size() - 1);
    case CB_GETCOUNT:
      return w->className == "COMBOBOX" ? static_cast<LRESULT>(w->entries.size()) : CB_ERR;
    case CB_SETCURSEL:
      if (w->className != "COMBOBOX") return CB_ERR;
      if (wParam >= w->entries.size()) {
        w->selection = CB_ERR;
        return CB_ERR;
      }
      w->selection = static_cast<int>(wParam);
      return w->selection;
    case CB_GETCURSEL:
      return w->className == "COMBOBOX" ? w->selection : CB_ERR;
    case CB_GETLBTEXTLEN:
      if (w->className != "COMBOBOX" || wParam >= w->entries.size()) return CB_ERR;
      return static_cast<LRESULT>(w->entries[wParam].size());
    case CB_GETLBTEXT:
      if (w->className != "COMBOBOX" || wParam >= w->entries.size() || !lParam) return CB_ERR;
      std::memcpy(reinterpret_cast<char*>(lParam), w->entries[wParam].c_str(),
                  w->entries[wParam].size() + 1);
      return static_cast<LRESULT>(w->entries[wParam].size());
    default:
      return 0;
  }
}
