#include "platform/wm/chosen_file.h"

#include <cstring>

namespace wm {

BOOL FillChosenFile(OPENFILENAMEA* ofn, const std::string& path) {
  if (!ofn || !ofn->lpstrFile || path.size() + 1 > ofn->nMaxFile) return FALSE;
  std::memcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
  return TRUE;
}

}  // namespace wm
