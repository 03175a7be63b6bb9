// The Windows bitmap file of a captured bitmap: a 14-byte file header, the info header, the
// colour table and the pixel rows, bottom-up, all integers little-endian.
#pragma once

#include <cstddef>
#include <vector>

#include "files/dib_capture.h"
#include "platform/win32.h"

// The headers before the pixel rows of a true-colour file (it has no colour table), and the
// size of the whole file that WriteBmpFile makes of a 32-bit bitmap.
constexpr std::size_t kTrueColourBmpHeaderBytes = 14 + sizeof(BITMAPINFOHEADER);
constexpr std::size_t TrueColourBmpFileBytes(int width, int height) {
  return kTrueColourBmpHeaderBytes +
         std::size_t{4} * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

// The whole file as bytes. Returns 1, or 0 when the blocks do not hold what their header
// says (then *file is left empty).
int BuildBmpFile(const DibBlocks& dib, std::vector<BYTE>* file);

// Captures the bitmap and replaces the file at path with it, atomically. Returns 1 when the
// file was written, 0 when the capture or the write failed; a failed capture writes nothing.
int WriteBmpFile(const char* path, HBITMAP bitmap);
