// kernel32 byte-string helpers.
#include <cstring>

#include "platform/win32.h"

LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR source) {
  if (!dest || !source) return nullptr;
  return std::strcpy(dest, source);
}
