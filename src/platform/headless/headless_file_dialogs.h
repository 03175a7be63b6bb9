// Headless file choosers: GetOpenFileNameA and GetSaveFileNameA answer from a script and
// record that they were called.
//
// Implements: the scripted answer (a path; a chooser with no answer scripted cancels), written
// to lpstrFile, and a failure when the path does not fit nMaxFile. Does not implement: the flags
// (OFN_PATHMUSTEXIST is not checked: a test may answer with any path), filters, the name's title
// and offsets, the read-only check box, hooks and templates.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace headless {

// The answer of the next chooser; answers are used in the order scripted.
void ScriptFileChoice(const std::string& path);

struct FileChooserCall {
  bool save;  // GetSaveFileNameA, else GetOpenFileNameA
};
const std::vector<FileChooserCall>& FileChooserCalls();

}  // namespace headless
