// Headless backend, message boxes. See headless_message_boxes.h for what it stands in for.
#include "platform/headless/headless.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/scripted_answers.h"
#include "platform/wm/message_box_buttons.h"
#include "platform/wm/window_manager.h"

namespace headless {
namespace {

struct State {
  std::vector<MessageBoxCall> calls;
  ScriptedAnswers<int, MessageBoxCall> answers;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] { S() = State(); }), true);

}  // namespace

const std::vector<MessageBoxCall>& MessageBoxCalls() { return S().calls; }

void ScriptMessageBoxAnswers(std::vector<int> answers) { S().answers.Script(answers); }

void SetMessageBoxResponder(std::function<int(const MessageBoxCall&)> responder) {
  S().answers.SetResponder(std::move(responder));
}

}  // namespace headless

using namespace headless;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  (void)registered;
  const MessageBoxCall call{owner, text ? text : "", wm::MessageBoxCaption(caption), type, 0};
  const std::size_t index = S().calls.size();
  S().calls.push_back(call);
  int answer;
  {
    // The box is open: what the window system delivers meanwhile reaches the owner now.
    wm::ModalScope modal;
    wm::DeliverModalMessages();
    answer = S().answers.Next(call, wm::ClosedAnswer(type));
    wm::DeliverModalMessages();
  }
  S().calls[index].answer = answer;
  return answer;
}
