// The depth data file: 1200 bytes, one depth level (0..7) per cell, row by row, no header.
#pragma once

#include "platform/win32.h"

constexpr int kDepthDataBytes = 1200;

// The work of the open command (after the unsaved-data question said go on).
void OpenDepthData(HWND window);
// The work of the save command.
void SaveDepthData(HWND window);
