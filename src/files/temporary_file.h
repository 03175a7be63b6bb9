// The temporary file that a save writes before it takes the target's name.
//
// Its name, "<folder>/.~vm<process id, 8 hex digits>-<serial>.tmp", says which process wrote
// it, so that a later save can tell a leftover of a save that was killed from the file of a save
// that is still running.
#pragma once

#include <string>

#include "platform/win32.h"

std::string TemporaryPath(const std::string& folder, DWORD process, unsigned serial);

// Creates a new temporary file in folder, never through an existing name (a link planted there
// is not followed: another name is tried). model, when valid, gives the file its owner, group
// and mode from the start. Returns the open handle with its path in *path, or
// INVALID_HANDLE_VALUE.
HANDLE CreateTemporaryFile(const std::string& folder, HANDLE model, std::string* path);

// Deletes the temporary files in folder whose process no longer runs. A file that is still open
// for writing is left alone whatever its name says.
void RemoveAbandonedTemporaryFiles(const std::string& folder);
