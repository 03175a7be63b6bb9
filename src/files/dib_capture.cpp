#include "files/dib_capture.h"

#include <cstdint>
#include <cstring>
#include <new>

int DibColorCount(const BITMAPINFOHEADER& header) {
  // biClrUsed ends at byte 36 of the header.
  if (header.biSize >= 36 && header.biClrUsed != 0) return static_cast<int>(header.biClrUsed);
  if (header.biBitCount <= 8) return 1 << header.biBitCount;
  return 0;
}

namespace {

// Bytes of a bottom-up pixel block, or 0 when the size does not fit the 32 bits of
// biSizeImage (or is no size at all).
DWORD PixelBlockBytes(long width, long height, int bitCount) {
  if (width <= 0 || height <= 0 || bitCount <= 0) return 0;
  const std::uint64_t stride = (static_cast<std::uint64_t>(bitCount) * width + 31) / 32 * 4;
  const std::uint64_t total = stride * static_cast<std::uint64_t>(height);
  return total > 0xFFFFFFFFu ? 0 : static_cast<DWORD>(total);
}

}  // namespace

int CaptureDib(HBITMAP bitmap, DibBlocks* out, std::size_t room) {
  if (!bitmap || !out) return 0;
  BITMAP description{};
  if (!GetObjectA(bitmap, sizeof description, &description)) return 0;

  BITMAPINFOHEADER built;
  std::memset(&built, 0, sizeof built);
  built.biSize = sizeof(BITMAPINFOHEADER);
  built.biWidth = description.bmWidth;
  built.biHeight = description.bmHeight;  // positive: the rows run bottom-up
  built.biPlanes = 1;
  built.biBitCount = static_cast<WORD>(description.bmPlanes * description.bmBitsPixel);
  built.biCompression = BI_RGB;

  const int colours = DibColorCount(built);
  const std::size_t headerBytes = sizeof(BITMAPINFOHEADER) + 4 * static_cast<std::size_t>(colours);
  std::unique_ptr<BYTE[]> header(new (std::nothrow) BYTE[headerBytes]());
  if (!header) return 0;
  std::memcpy(header.get(), &built, sizeof built);
  auto* info = reinterpret_cast<BITMAPINFO*>(header.get());

  // The screen context is the reference of the capture; its default palette fills the colour
  // table of depths up to 8 bits.
  HDC screen = GetDC(nullptr);
  HPALETTE kept =
      SelectPalette(screen, reinterpret_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
  RealizePalette(screen);

  // Completes biSizeImage and the colour table; when it leaves the size unset, it is computed
  // from the header as built.
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(built.biHeight), nullptr, info, DIB_RGB_COLORS);
  if (info->bmiHeader.biSizeImage == 0)
    info->bmiHeader.biSizeImage = PixelBlockBytes(built.biWidth, built.biHeight, built.biBitCount);

  int captured = 0;
  std::unique_ptr<BYTE[]> pixels;
  const DWORD pixelBytes = info->bmiHeader.biSizeImage;
  if (pixelBytes != 0) pixels.reset(new (std::nothrow) BYTE[room + pixelBytes]);
  if (pixels && GetDIBits(screen, bitmap, 0, static_cast<UINT>(built.biHeight), pixels.get() + room,
                          info, DIB_RGB_COLORS) != 0)
    captured = 1;

  SelectPalette(screen, kept, FALSE);
  ReleaseDC(nullptr, screen);
  if (!captured) return 0;
  out->header = std::move(header);
  out->headerBytes = headerBytes;
  out->pixels = std::move(pixels);
  out->pixelBytes = pixelBytes;
  out->room = room;
  return 1;
}
