// Headless backend, file choosers. See headless_file_dialogs.h for what it stands in for.
#include <cstring>
#include <deque>
#include <optional>

#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"

namespace headless {
namespace {

struct State {
  std::deque<std::optional<std::string>> answers;  // nullopt: cancel
  std::vector<FileChooserCall> calls;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] { S() = State(); }), true);

// The filter is a list of zero-terminated strings closed by an empty one.
std::string FilterBytes(const char* filter) {
  const char* end = filter;
  while (*end != '\0' || *(end + 1) != '\0') ++end;
  return std::string(filter, end + 2);
}

BOOL RunChooser(OPENFILENAMEA* ofn, bool save) {
  (void)registered;
  if (!ofn) return FALSE;
  FileChooserCall call{};
  call.save = save;
  call.record = *ofn;
  call.filterSet = ofn->lpstrFilter != nullptr;
  if (ofn->lpstrFilter) call.filter = FilterBytes(ofn->lpstrFilter);
  call.titleSet = ofn->lpstrTitle != nullptr;
  if (ofn->lpstrTitle) call.title = ofn->lpstrTitle;
  if (ofn->lpstrFile && ofn->nMaxFile > 0)
    call.initialName.assign(ofn->lpstrFile, ::strnlen(ofn->lpstrFile, ofn->nMaxFile));
  S().calls.push_back(call);

  std::optional<std::string> answer;
  if (!S().answers.empty()) {
    answer = S().answers.front();
    S().answers.pop_front();
  }
  if (!answer || !ofn->lpstrFile || answer->size() + 1 > ofn->nMaxFile) return FALSE;

  std::memcpy(ofn->lpstrFile, answer->c_str(), answer->size() + 1);
  const std::size_t slash = answer->find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = answer->find_last_of('.');
  ofn->nFileOffset = static_cast<WORD>(nameStart);
  ofn->nFileExtension =
      static_cast<WORD>(dot == std::string::npos || dot < nameStart ? answer->size() : dot + 1);
  if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
    const std::string name = answer->substr(nameStart);
    if (name.size() + 1 <= ofn->nMaxFileTitle)
      std::memcpy(ofn->lpstrFileTitle, name.c_str(), name.size() + 1);
  }
  return TRUE;
}

}  // namespace

void ScriptFileChoice(const std::string& path) { S().answers.emplace_back(path); }
void ScriptFileCancel() { S().answers.emplace_back(std::nullopt); }
const std::vector<FileChooserCall>& FileChooserCalls() { return S().calls; }

}  // namespace headless

BOOL WINAPI GetOpenFileNameA(OPENFILENAMEA* ofn) { return headless::RunChooser(ofn, false); }
BOOL WINAPI GetSaveFileNameA(OPENFILENAMEA* ofn) { return headless::RunChooser(ofn, true); }
