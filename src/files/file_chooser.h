// The open and save file choosers of the data file and the bitmap export, and the rule that
// gives a typed name its default extension.
#pragma once

#include <cstddef>

#include "platform/win32.h"

// Room for any Linux path (4096 bytes with its zero) plus an appended extension.
constexpr std::size_t kPathBufferBytes = 4096 + 8;

enum class ChooserMode { Open, Save };

// What one use of the chooser shows.
struct FileChooserUse {
  // Pairs of zero-terminated strings, display text then pattern, ending in a double zero.
  const char* filter;
  const char* initialName;
  const char* title;
};

extern const FileChooserUse kReadDataChooser;
extern const FileChooserUse kWriteDataChooser;
extern const FileChooserUse kSaveBitmapChooser;

// Runs the modal chooser owned by owner. Returns 1 with the chosen full path in path (a buffer
// of kPathBufferBytes), or 0 when the user cancelled or the chooser failed.
int RunFileChooser(HWND owner, ChooserMode mode, const FileChooserUse& use, char* path);

// Appends extension to the zero-terminated path in a buffer of capacity bytes when no byte of
// the path, folders included, is a dot (0x2E). A dot anywhere, a trailing one too, keeps the
// path as typed. Works on bytes: in UTF-8 0x2E never occurs inside a multi-byte character. A
// path that would not fit with the extension is left as it is.
void AddExtensionIfNoDot(char* path, std::size_t capacity, const char* extension);
