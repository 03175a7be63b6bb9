// Modal dialogs from templates, the same for every emulated backend: DialogBoxParamA builds
// the dialog window (class "#32770") and its controls from the template, dialog units turned
// into pixels by the base units of the template's font, sends WM_INITDIALOG (wParam: the first
// control with WS_TABSTOP, which gets the focus), lets the backend run the modal loop until
// EndDialog, and destroys the dialog. The default dialog handling turns the close box into the
// Cancel command and validates what waits to be painted.
// Not handled: modeless dialogs, DWLP_MSGRESULT, keyboard navigation between controls.
#include "platform/module.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace wm {
namespace {

// Dialog units to pixels as MapDialogRect does: a horizontal unit is a quarter of the average
// character width, a vertical one an eighth of the character height, rounded to nearest.
struct DialogUnits {
  backend::DialogBaseUnits base;
  int X(int units) const { return (units * base.x + 2) / 4; }
  int Y(int units) const { return (units * base.y + 4) / 8; }
};

LRESULT CALLBACK DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = ToWindow(hwnd);
  if (!w || !w->dialogProc) return 0;
  if (const INT_PTR handled = w->dialogProc(hwnd, msg, wParam, lParam)) return handled;
  if (msg == WM_CLOSE) SendDialogCommand(hwnd, IDCANCEL);
  if (msg == WM_PAINT) return DefaultWindowProc(hwnd, msg, wParam, lParam);
  return 0;
}

HWND MakeDialog(const DialogResource& t, HINSTANCE instance, HWND owner, const DialogUnits& units) {
  auto window = std::make_unique<Window>();
  window->kind = WindowKind::Dialog;
  window->className = "#32770";
  window->text = t.title ? t.title : "";
  window->style = t.style;
  window->owner = TopLevelOf(owner);
  window->instance = instance;
  window->proc = DialogWindowProc;
  window->x = units.X(t.x);
  window->y = units.Y(t.y);
  window->width = units.X(t.width);
  window->height = units.Y(t.height);
  const int width = window->width, height = window->height;
  return CreateWindowRecord(std::move(window), width, height);
}

}  // namespace

void SendDialogCommand(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace wm

using namespace wm;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
  const DialogResource* t = FindDialogResource(instance, templateName);
  if (!t || !dialogProc) return -1;
  const DialogUnits units{backend::BaseUnitsOf(*t)};
  const HWND dialog = MakeDialog(*t, instance, owner, units);
  if (!dialog) return -1;
  HWND focus = nullptr;
  for (const DialogControlResource& c : t->controls) {
    const LPCSTR text = c.iconId ? MAKEINTRESOURCEA(c.iconId) : c.text;
    const HWND control = CreateWindowExA(
        0, c.className, text, c.style | WS_CHILD, units.X(c.x), units.Y(c.y), units.X(c.width),
        units.Y(c.height), dialog,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<WORD>(c.id))), instance, nullptr);
    if (!focus && control && (c.style & WS_TABSTOP)) focus = control;
  }
  // The procedure is attached once the controls are there, as WM_INITDIALOG is its first message.
  ToWindow(dialog)->dialogProc = dialogProc;
  ShowWindow(dialog, SW_SHOWNORMAL);
  const bool focusAsked =
      SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) != 0;
  bool ended = true;
  if (Window* w = ToWindow(dialog); w && !w->dialogEnded) {
    ModalScope modal;
    ended = backend::RunDialog(dialog, templateName, focusAsked ? focus : nullptr);
  }
  Window* w = ToWindow(dialog);
  const INT_PTR result = ended && w && w->dialogEnded ? w->dialogResult : -1;
  DestroyWindow(dialog);
  DeliverModalMessages();
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  Window* w = ToWindow(dialog);
  if (!w || w->kind != WindowKind::Dialog) return FALSE;
  w->dialogEnded = true;
  w->dialogResult = result;
  backend::DialogEnded(dialog);
  return TRUE;
}
