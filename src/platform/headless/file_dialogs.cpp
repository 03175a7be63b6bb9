// Headless backend, file choosers. See headless_file_dialogs.h for what it stands in for.
#include <deque>

#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/wm/chosen_file.h"

namespace headless {
namespace {

struct State {
  std::deque<std::string> answers;  // none left: the user cancels
  std::vector<FileChooserCall> calls;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] { S() = State(); }), true);

BOOL RunChooser(OPENFILENAMEA* ofn, bool save) {
  (void)registered;
  if (!ofn) return FALSE;
  S().calls.push_back({save});
  if (S().answers.empty()) return FALSE;
  const std::string answer = S().answers.front();
  S().answers.pop_front();
  return wm::FillChosenFile(ofn, answer);
}

}  // namespace

void ScriptFileChoice(const std::string& path) { S().answers.push_back(path); }
const std::vector<FileChooserCall>& FileChooserCalls() { return S().calls; }

}  // namespace headless

BOOL WINAPI GetOpenFileNameA(OPENFILENAMEA* ofn) { return headless::RunChooser(ofn, false); }
BOOL WINAPI GetSaveFileNameA(OPENFILENAMEA* ofn) { return headless::RunChooser(ofn, true); }
