// Headless text output: TextOutA draws no glyphs here, it records each call.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace headless {

struct TextCall {
  HWND window;  // null when drawn on a memory surface
  int x, y;
  std::string text;  // the bytes as given
  LOGFONTA font;     // the font selected at the time
  COLORREF color;
  int bkMode;
};

const std::vector<TextCall>& TextCalls();
void ClearTextCalls();

}  // namespace headless
