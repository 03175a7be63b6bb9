// The answer of an open or save chooser written back to its OPENFILENAMEA record, the same
// whoever asked the user.
#pragma once

#include <string>

#include "platform/win32.h"

namespace wm {

// Writes the chosen path to lpstrFile. Returns FALSE, writing nothing, when the path does not
// fit nMaxFile. The name's title and offsets are left as they were: the program reads the path
// only.
BOOL FillChosenFile(OPENFILENAMEA* ofn, const std::string& path);

}  // namespace wm
