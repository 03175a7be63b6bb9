// Where a save goes, and whether it may go there at all.
#pragma once

#include <string>

#include "platform/win32.h"

struct SaveTarget {
  std::string path;  // the file to replace or create: symbolic links resolved
  bool exists = false;
  // The existing file opened for reading, the model of the new file's owner, group and mode;
  // INVALID_HANDLE_VALUE for a new file or one that we may write but not read.
  HANDLE model = INVALID_HANDLE_VALUE;
};

// Decides where a save of path goes. Returns 1 with *target filled (the caller closes
// target->model), or 0 when the save is refused, with nothing touched:
// - a read-only file, a folder, or anything else that is not a regular file;
// - a file with more than one name (hard links): it cannot be replaced by a new file without
//   splitting its names, and rewriting it in place could leave a torn file after a crash;
// - a symbolic link whose target does not exist, or that cannot be resolved.
int FindSaveTarget(const char* path, SaveTarget* target);
