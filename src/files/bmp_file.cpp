#include "files/bmp_file.h"

#include <cstring>

#include "files/whole_file.h"

namespace {

void Put16(BYTE* at, WORD value) {
  at[0] = static_cast<BYTE>(value);
  at[1] = static_cast<BYTE>(value >> 8);
}
void Put32(BYTE* at, DWORD value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<BYTE>(value >> (8 * i));
}

constexpr std::size_t kFileHeaderBytes = 14;

// The bytes of the file's headers for a capture (14 + 40 and the colour table), with the size
// of the whole file in *total. Returns 0 when the blocks do not hold what their header says.
std::size_t HeadersFor(const DibBlocks& dib, std::size_t* total) {
  if (!dib.header || dib.headerBytes < sizeof(BITMAPINFOHEADER)) return 0;
  const BITMAPINFOHEADER& info = dib.Info();
  // The colour table as the completed header counts it; the capture sized the block for it. A
  // count that does not fit an int (biClrUsed above 2^31) is no count at all.
  const int colours = DibColorCount(info);
  if (colours < 0) return 0;
  const std::size_t tableBytes = 4 * static_cast<std::size_t>(colours);
  const std::size_t headerBytes = info.biSize + tableBytes;
  if (info.biSize != sizeof(BITMAPINFOHEADER) || headerBytes > dib.headerBytes) return 0;
  if (!dib.pixels || info.biSizeImage > dib.pixelBytes) return 0;
  *total = kFileHeaderBytes + headerBytes + info.biSizeImage;
  if (*total > 0xFFFFFFFFu) return 0;
  return kFileHeaderBytes + headerBytes;
}

// Writes those headers at the start of the block at.
void PutHeaders(const DibBlocks& dib, std::size_t total, std::size_t headers, BYTE* at) {
  const BITMAPINFOHEADER& info = dib.Info();
  at[0] = 'B';
  at[1] = 'M';
  Put32(at + 2, static_cast<DWORD>(total));     // bfSize
  Put16(at + 6, 0);                             // bfReserved1
  Put16(at + 8, 0);                             // bfReserved2
  Put32(at + 10, static_cast<DWORD>(headers));  // bfOffBits

  // The info header field by field, so that the bytes are little-endian whatever the host.
  BYTE* h = at + kFileHeaderBytes;
  Put32(h + 0, info.biSize);
  Put32(h + 4, static_cast<DWORD>(info.biWidth));
  Put32(h + 8, static_cast<DWORD>(info.biHeight));
  Put16(h + 12, info.biPlanes);
  Put16(h + 14, info.biBitCount);
  Put32(h + 16, info.biCompression);
  Put32(h + 20, info.biSizeImage);
  Put32(h + 24, static_cast<DWORD>(info.biXPelsPerMeter));
  Put32(h + 28, static_cast<DWORD>(info.biYPelsPerMeter));
  Put32(h + 32, info.biClrUsed);
  Put32(h + 36, info.biClrImportant);
  std::memcpy(h + info.biSize, dib.header.get() + info.biSize,
              headers - kFileHeaderBytes - info.biSize);
}

}  // namespace

int BuildBmpFile(const DibBlocks& dib, std::vector<BYTE>* file) {
  file->clear();
  std::size_t total = 0;
  const std::size_t headers = HeadersFor(dib, &total);
  if (!headers) return 0;
  file->resize(total);
  PutHeaders(dib, total, headers, file->data());
  std::memcpy(file->data() + headers, dib.Pixels(), dib.Info().biSizeImage);
  return 1;
}

int WriteBmpFile(const char* path, HBITMAP bitmap) {
  // Capture and build before the file is touched: a failed capture leaves no empty file. The
  // pixel rows are captured behind room for the headers of a true-colour file (no colour
  // table), so the file is written from the capture's own block: one copy of the picture
  // fewer, and 0.7 to 1.1 MB less memory to touch for the first time.
  DibBlocks dib;
  if (!CaptureDib(bitmap, &dib, kTrueColourBmpHeaderBytes)) return 0;
  std::size_t total = 0;
  const std::size_t headers = HeadersFor(dib, &total);
  if (!headers) return 0;
  if (headers != kTrueColourBmpHeaderBytes) {
    // A colour table (8 bits or fewer): the headers do not fit the room.
    std::vector<BYTE> file;
    if (!BuildBmpFile(dib, &file)) return 0;
    return WriteWholeFile(path, file.data(), static_cast<DWORD>(file.size()));
  }
  PutHeaders(dib, total, headers, dib.pixels.get());
  return WriteWholeFile(path, dib.pixels.get(), static_cast<DWORD>(total));
}
