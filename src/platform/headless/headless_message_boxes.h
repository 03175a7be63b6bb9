// Headless message boxes: MessageBoxA records what it was asked and returns a scripted answer.
//
// Implements: MessageBoxA with the buttons MB_OK and MB_YESNO; while the box "waits", the modal
// loop keeps delivering paint and size messages (see wm::DeliverModalMessages).
// Does not implement: drawing the box, icons, default-button flags, the other button sets (they
// are taken as an OK box), timeouts.
//
// Answers come from, in this order: the queue of scripted answers, the responder, and the
// default. The default is what closing the box answers (wm::ClosedAnswer), the least
// destructive choice: IDNO for a Yes/No box, IDOK for an OK box. An answer can be any value,
// including 0 (a box that could not be shown), so tests can check how the program takes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace headless {

struct MessageBoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT flags;
  int answer;  // what MessageBoxA returned
};

// Every MessageBoxA call, in order.
const std::vector<MessageBoxCall>& MessageBoxCalls();

// Answers given to the next boxes, first in first out.
void ScriptMessageBoxAnswers(std::vector<int> answers);
// Asked for the answer when no scripted answer is left; it may send messages (a repaint while
// the box is open, for instance). The call it gets has no answer yet.
void SetMessageBoxResponder(std::function<int(const MessageBoxCall&)> responder);

}  // namespace headless
