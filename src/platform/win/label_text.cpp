#include <string>

#include "platform/win32.h"

BOOL WINAPI TextOutUtf8(HDC hdc, int x, int y, LPCSTR text, int length) {
  if (!text || length < 0) return FALSE;
  if (length == 0) return TRUE;
  const int wide = MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
  if (wide <= 0) return FALSE;
  std::wstring converted(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, length, converted.data(), wide);
  return TextOutW(hdc, x, y, converted.c_str(), wide);
}
