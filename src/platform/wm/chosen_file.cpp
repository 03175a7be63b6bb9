#include "platform/wm/chosen_file.h"

#include <cstring>

namespace wm {

BOOL FillChosenFile(OPENFILENAMEA* ofn, const std::string& path) {
  if (!ofn || !ofn->lpstrFile || path.size() + 1 > ofn->nMaxFile) return FALSE;
  std::memcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.find_last_of('.');
  ofn->nFileOffset = static_cast<WORD>(nameStart);
  ofn->nFileExtension =
      static_cast<WORD>(dot == std::string::npos || dot < nameStart ? path.size() : dot + 1);
  if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
    const std::string name = path.substr(nameStart);
    if (name.size() + 1 <= ofn->nMaxFileTitle)
      std::memcpy(ofn->lpstrFileTitle, name.c_str(), name.size() + 1);
  }
  return TRUE;
}

}  // namespace wm
