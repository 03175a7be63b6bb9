// Device-independent copies of a bitmap: the header block (info header and colour table) and
// the pixel block (rows bottom-up, each padded to 4 bytes).
#pragma once

#include <cstddef>
#include <memory>

#include "platform/win32.h"

struct DibBlocks {
  std::unique_ptr<BYTE[]> header;  // BITMAPINFOHEADER followed by the colour table
  std::size_t headerBytes = 0;     // 40 + 4 x DibColorCount of the header as first built
  std::unique_ptr<BYTE[]> pixels;  // biSizeImage bytes
  std::size_t pixelBytes = 0;

  const BITMAPINFOHEADER& Info() const {
    return *reinterpret_cast<const BITMAPINFOHEADER*>(header.get());
  }
};

// The number of colour-table entries that belong to a header: biClrUsed when the header is
// long enough to hold it and it is set, 2^biBitCount up to 8 bits, else none.
int DibColorCount(const BITMAPINFOHEADER& header);

// Captures the whole bitmap in its own bit depth. Returns 1 with both blocks in *out, or 0 with
// neither (no bitmap, no memory, or the pixel copy failed).
int CaptureDib(HBITMAP bitmap, DibBlocks* out);
