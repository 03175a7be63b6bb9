// The folder and the name of a path, by its bytes alone: nothing on disk is asked, so a path
// whose folder does not exist splits the same way. One rule for the program, the batch
// renderer and the emulated kernel.
#pragma once

#include <string>

// The folder that holds path: everything before its last separator ("/" for a file in the
// root, "." for a bare name).
inline std::string FolderOf(const std::string& path) {
#ifdef _WIN32
  // Windows separates with "\" as well, and a root keeps its separator ("C:\" is the root,
  // "C:" the current folder of drive C). Byte 0x5C never occurs inside a multi-byte UTF-8
  // character, so no name is cut in the middle.
  const std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos)
    return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
  return path.substr(0, separator + 1);
#else
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
#endif
}

// The last component of path: everything after its last slash.
inline std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
