// Headless backend, the modal loop of dialogs. See headless_dialogs.h for what it stands in for.
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/scripted_answers.h"
#include "platform/wm/window_backend.h"
#include "platform/wm/window_manager.h"

namespace headless {
namespace {

struct State {
  std::vector<DialogCall> calls;
  ScriptedAnswers<DialogAction, DialogCall> actions;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] { S() = State(); }), true);

void Perform(HWND dialog, DialogAction action) {
  switch (action) {
    case DialogAction::OkButton:
      if (!wm::ClickButton(GetDlgItem(dialog, IDOK))) wm::SendDialogCommand(dialog, IDOK);
      break;
    case DialogAction::Enter:
      wm::SendDialogCommand(dialog, wm::DefaultButtonId(dialog));
      break;
    case DialogAction::Escape:
      wm::SendDialogCommand(dialog, IDCANCEL);
      break;
    case DialogAction::CloseBox:
      SendMessageA(dialog, WM_CLOSE, 0, 0);
      break;
  }
}

}  // namespace

const std::vector<DialogCall>& DialogCalls() { return S().calls; }

void SetDialogResponder(std::function<DialogAction(const DialogCall&)> responder) {
  S().actions.SetResponder(std::move(responder));
}

}  // namespace headless

using namespace headless;

backend::DialogBaseUnits backend::BaseUnitsOf(const DialogResource&) { return {6, 12}; }

bool backend::RunDialog(HWND dialog, LPCSTR templateName, HWND) {
  (void)registered;
  const std::size_t index = S().calls.size();
  const WORD id = IS_INTRESOURCE(templateName)
                      ? static_cast<WORD>(reinterpret_cast<UINT_PTR>(templateName))
                      : 0;
  S().calls.push_back({id, dialog, {}, false, -1});
  bool ended = true;
  while (wm::ToWindow(dialog) && !wm::ToWindow(dialog)->dialogEnded) {
    if (S().calls[index].actions.size() >= static_cast<std::size_t>(kMaxDialogActions)) {
      S().calls[index].abandoned = true;
      ended = false;
      break;
    }
    wm::DeliverModalMessages();
    const DialogAction action = S().actions.Next(S().calls[index], DialogAction::Escape);
    S().calls[index].actions.push_back(action);
    Perform(dialog, action);
  }
  const wm::Window* w = wm::ToWindow(dialog);
  S().calls[index].result = ended && w ? w->dialogResult : -1;
  return ended;
}

void backend::DialogEnded(HWND) {}
