// Device-independent copies of a bitmap: the header block (info header and colour table) and
// the pixel block (rows bottom-up, each padded to 4 bytes).
#pragma once

#include <cstddef>
#include <memory>

#include "platform/win32.h"

struct DibBlocks {
  std::unique_ptr<BYTE[]> header;  // BITMAPINFOHEADER followed by the colour table
  std::size_t headerBytes = 0;     // 40 + 4 x DibColorCount of the header as first built
  std::unique_ptr<BYTE[]> pixels;  // room bytes left free for the caller, then biSizeImage bytes
  std::size_t pixelBytes = 0;      // biSizeImage
  std::size_t room = 0;

  BYTE* Pixels() const { return pixels.get() + room; }

  const BITMAPINFOHEADER& Info() const {
    return *reinterpret_cast<const BITMAPINFOHEADER*>(header.get());
  }
};

// The number of colour-table entries that belong to a header: biClrUsed when the header is
// long enough to hold it and it is set, 2^biBitCount up to 8 bits, else none.
int DibColorCount(const BITMAPINFOHEADER& header);

// Captures the whole bitmap in its own bit depth. Returns 1 with both blocks in *out, or 0 with
// neither (no bitmap, no memory, or the pixel copy failed). The pixel block is allocated with
// room free bytes in front of the rows, so that a file's headers can be put there and the
// whole file written from one block without another copy of the picture.
int CaptureDib(HBITMAP bitmap, DibBlocks* out, std::size_t room = 0);
