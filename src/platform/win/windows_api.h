// The platform layer of the native Windows build: the real headers, and the one call that the
// program's byte strings cannot make as they are.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max, not the headers' macros
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

// The program's strings are UTF-8, and the manifest makes UTF-8 the code page of every "A"
// function, except that TextOutA decodes by the selected font's character set: the labels'
// font asks for SHIFTJIS_CHARSET, so their UTF-8 bytes would come out as the wrong characters.
// The labels therefore reach GDI as UTF-16 through TextOutUtf8 (platform/win/label_text.cpp),
// which takes the same arguments, the length counted in bytes.
BOOL WINAPI TextOutUtf8(HDC hdc, int x, int y, LPCSTR text, int length);
#define TextOutA TextOutUtf8
