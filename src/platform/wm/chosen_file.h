// The answer of an open or save chooser written back to its OPENFILENAMEA record, the same
// whoever asked the user.
#pragma once

#include <string>

#include "platform/win32.h"

namespace wm {

// Writes the chosen path to lpstrFile, its name part to lpstrFileTitle (when given and it
// fits), and the offsets of the name and of the extension (the end of the path when the name
// has no dot). Returns FALSE, writing nothing, when the path does not fit nMaxFile.
BOOL FillChosenFile(OPENFILENAMEA* ofn, const std::string& path);

}  // namespace wm
