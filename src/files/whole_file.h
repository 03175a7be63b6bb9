// Reading and writing a whole file in one transfer.
#pragma once

#include "platform/win32.h"

// Reads the first count bytes of an existing file. Returns 1 when exactly count bytes were
// read (a longer file is fine), else 0.
int ReadWholeFile(const char* path, void* buffer, DWORD count);
// Replaces the file at path with count bytes, atomically: the bytes go to a new temporary file
// in the folder of the file replaced, which is flushed and renamed over it only when every byte
// is on disk, so at every moment the file holds either all its old bytes or all the new ones.
// A symbolic link stays a link: the file it leads to is replaced. The new file keeps the old
// one's mode, and its owner and group where this process may set them. Refused, with nothing
// written: a read-only file, a file with hard links, a link to a missing file (FindSaveTarget
// says why). Returns 1 on success; on failure 0, with the temporary file removed and an existing
// target as it was (or, when only flushing the folder failed, the new file in place but perhaps
// not yet on disk).
int WriteWholeFile(const char* path, const void* buffer, DWORD count);
