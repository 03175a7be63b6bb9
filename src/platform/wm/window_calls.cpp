// Window classes and dialog items by identifier, and the reset between programs.
#include <map>
#include <string>

#include "platform/win32.h"
#include "platform/wm/clipboard.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

std::map<std::string, WNDCLASSEXA>& Classes() {
  static std::map<std::string, WNDCLASSEXA> classes;
  return classes;
}

}  // namespace

const WNDCLASSEXA* FindClass(const char* name) {
  if (!name) return nullptr;
  auto cls = Classes().find(name);
  return cls == Classes().end() ? nullptr : &cls->second;
}

void Reset() {
  ForgetWindows();
  ForgetQueue();
  Classes().clear();
  ForgetClipboard();
}

}  // namespace wm

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) return 0;
  auto& classes = wm::Classes();
  if (classes.count(wc->lpszClassName)) return 0;
  classes[wc->lpszClassName] = *wc;
  return static_cast<ATOM>(classes.size());
}

HWND WINAPI GetDlgItem(HWND parent, int id) {
  for (HWND child : wm::Children(parent))
    if (wm::ToWindow(child)->id == id) return child;
  return nullptr;
}
