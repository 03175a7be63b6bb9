// Headless backend, message boxes. See headless_message_boxes.h for what it stands in for.
#include "platform/headless/headless.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"
#include "platform/headless/scripted_answers.h"

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

constexpr UINT kButtonsMask = 0x0F;
constexpr UINT kOkCancel = 0x01;
constexpr UINT kYesNoCancel = 0x03;

int DefaultAnswer(UINT flags) {
  switch (flags & kButtonsMask) {
    case MB_YESNO:
      return IDNO;
    case kOkCancel:
    case kYesNoCancel:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

}  // namespace

const std::vector<MessageBoxCall>& MessageBoxCalls() { return S().calls; }
void ClearMessageBoxCalls() { S().calls.clear(); }

void ScriptMessageBoxAnswers(std::vector<int> answers) { S().answers.Script(answers); }

void SetMessageBoxResponder(std::function<int(const MessageBoxCall&)> responder) {
  S().answers.SetResponder(std::move(responder));
}

}  // namespace headless

using namespace headless;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  (void)registered;
  const MessageBoxCall call{owner, text ? text : "", caption ? caption : "Error", type, 0};
  const std::size_t index = S().calls.size();
  S().calls.push_back(call);
  // The box is open: what the window system delivers meanwhile reaches the owner now.
  DeliverModalMessages();
  const int answer = S().answers.Next(call, DefaultAnswer(type));
  DeliverModalMessages();
  S().calls[index].answer = answer;
  return answer;
}
