// Reading and writing a whole file in one transfer.
#pragma once

#include "platform/win32.h"

// Reads the first count bytes of an existing file. Returns 1 when exactly count bytes were
// read (a longer file is fine), else 0.
int ReadWholeFile(const char* path, void* buffer, DWORD count);
// Replaces the file at path with count bytes, atomically: the bytes go to a temporary file in
// the same folder, which is flushed and renamed over the target only when every byte is on
// disk. Returns 1 on success. On failure it returns 0, removes the temporary file and leaves an
// existing target as it was.
int WriteWholeFile(const char* path, const void* buffer, DWORD count);
