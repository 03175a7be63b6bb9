// The depth data file: 1200 bytes, one depth level (0..7) per cell, row by row, no header.
#pragma once

#include <cstddef>

#include "platform/win32.h"

constexpr int kDepthDataBytes = 1200;

// The work of the open command (after the unsaved-data question said go on).
void OpenDepthData(HWND window);
// The work of the save command.
void SaveDepthData(HWND window);

// The results of the two chooser operations.
constexpr int kChooserCancelled = 0;  // nothing chosen; no file touched
constexpr int kTransferDone = 1;      // a file was chosen and the whole transfer was done
constexpr int kTransferFailed = -1;   // a file was chosen but not read or written in full

// Asks for a data file and reads its first count bytes into buffer. A file that is too short,
// or whose bytes are not all depth levels 0..7, counts as not read.
int ChooseAndReadData(HWND owner, unsigned char* buffer, DWORD count);
// Asks for a file name (".dat" is added when it has no dot) and writes count bytes to it.
int ChooseAndWriteData(HWND owner, const unsigned char* buffer, DWORD count);

// 1 when every one of the count bytes is a depth level 0..7: the rule by which a data file is
// accepted, shared with the batch renderer's check of its input.
int IsDepthData(const unsigned char* bytes, std::size_t count);
