// Headless modal dialogs: the window manager builds the dialog from its template; the headless
// modal loop records it and plays the user with scripted actions until the dialog procedure
// calls EndDialog.
//
// Implements: the user's OK button (a click on it), Enter (the default push button's command,
// IDOK when there is none), Esc (IDCANCEL) and the caption's close box (WM_CLOSE, which the
// default handling turns into IDCANCEL); the paint and size messages that modal loops keep
// delivering, before every action. Base units of a 6 x 12 character cell.
// Does not implement: drawing, keyboard focus and tab order.
//
// Actions come from, in this order: the responder, and the default, Esc: the least destructive
// thing a user can do to a dialog. A dialog whose procedure never ends it is abandoned after
// kMaxDialogActions actions, and DialogBoxParamA returns -1, so that a faulty procedure fails a
// test instead of hanging it.
#pragma once

#include <functional>
#include <vector>

#include "platform/win32.h"

namespace headless {

enum class DialogAction { OkButton, Enter, Escape, CloseBox };

constexpr int kMaxDialogActions = 64;

struct DialogCall {
  WORD templateId;                    // 0 when the name was not a number
  HWND dialog;                        // no longer a window once the call has returned
  std::vector<DialogAction> actions;  // what the user did, in order
  bool abandoned;
  INT_PTR result;  // what DialogBoxParamA returned
};

// Every dialog shown, in order.
const std::vector<DialogCall>& DialogCalls();

// Asked for the next action.
void SetDialogResponder(std::function<DialogAction(const DialogCall&)> responder);

}  // namespace headless
