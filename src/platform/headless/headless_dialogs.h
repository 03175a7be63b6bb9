// Headless modal dialogs: DialogBoxParamA builds the dialog from its template, records it, and
// plays the user with scripted actions until the dialog procedure calls EndDialog.
//
// Implements: DialogBoxParamA and EndDialog; the dialog window (class "#32770", owned, framed)
// with its controls as child windows; WM_INITDIALOG (wParam: the default button, lParam: the
// initial parameter); the user's OK button, Enter (the default push button's command, IDOK
// when there is none), Esc (IDCANCEL) and the caption's close box (WM_CLOSE, which the default
// handling turns into IDCANCEL); the paint and size messages that modal loops keep
// delivering, before every action.
// Does not implement: drawing, keyboard focus and tab order, dialog-unit scaling by the real
// font (a unit is taken as 1/4 of a 6-pixel and 1/8 of a 12-pixel character cell), modeless
// dialogs, DWLP_MSGRESULT.
//
// Actions come from, in this order: the queue of scripted actions, the responder, and the
// default, Esc: the least destructive thing a user can do to a dialog. A dialog whose
// procedure never ends it is abandoned after kMaxDialogActions actions, and DialogBoxParamA
// returns -1, so that a faulty procedure fails a test instead of hanging it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/module.h"
#include "platform/win32.h"

namespace headless {

enum class DialogAction { OkButton, Enter, Escape, CloseBox };

constexpr int kMaxDialogActions = 64;

struct DialogControlRecord {
  std::string className;
  std::string text;
  WORD iconId;
  DWORD style;
  int x, y, width, height;  // dialog units, as in the template
  int id;
};

struct DialogCall {
  HINSTANCE instance;
  WORD templateId;  // 0 when the name was not a number
  HWND owner;
  LPARAM initParam;
  HWND dialog;                     // no longer a window once the call has returned
  const DialogResource* resource;  // null when the module has no such template
  std::string title;
  DWORD style;
  int x, y, width, height;  // dialog units
  std::string fontFace;
  int fontPoints;
  std::vector<DialogControlRecord> controls;
  INT_PTR initResult;                 // the procedure's answer to WM_INITDIALOG
  std::vector<DialogAction> actions;  // what the user did, in order
  bool abandoned;
  INT_PTR result;  // what DialogBoxParamA returned
};

// Every DialogBoxParamA call, in order.
const std::vector<DialogCall>& DialogCalls();

// Asked for the next action when no scripted one is left.
void SetDialogResponder(std::function<DialogAction(const DialogCall&)> responder);

}  // namespace headless
