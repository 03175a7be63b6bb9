// Fuzz target: the bitmap file builder and the pixel copy behind it, on device-independent
// blocks and headers that say anything. The builder either refuses or makes a file whose
// headers agree with each other and whose pixel rows are the pixel block's; GetDIBits fills at
// most the size that it announced for the header. Memory errors stop the run (AddressSanitizer).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "files/bmp_file.h"
#include "files/dib_capture.h"
#include "fuzz/fuzz_target.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "bmp_builder_fuzz: %s\n", what);
  std::abort();
}

std::uint32_t Get32(const BYTE* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// Blocks cut from the input: the first two bytes give the header block's length, the header
// block follows, the rest is the pixel block.
void BuildFile(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  const std::size_t headerBytes = (data[0] | data[1] << 8) % (size - 1);
  DibBlocks dib;
  dib.headerBytes = headerBytes;
  dib.header.reset(new BYTE[headerBytes]);
  std::memcpy(dib.header.get(), data + 2, headerBytes);
  dib.pixelBytes = size - 2 - headerBytes;
  dib.pixels.reset(new BYTE[dib.pixelBytes]);
  std::memcpy(dib.pixels.get(), data + 2 + headerBytes, dib.pixelBytes);

  std::vector<BYTE> file;
  if (!BuildBmpFile(dib, &file)) {
    Check(file.empty(), "a refused build left bytes");
    return;
  }
  const BITMAPINFOHEADER& info = dib.Info();
  const std::size_t offset = 14 + 40 + 4 * static_cast<std::size_t>(DibColorCount(info));
  Check(file.size() == offset + info.biSizeImage, "the file's size is not its parts'");
  Check(file[0] == 'B' && file[1] == 'M', "no signature");
  Check(Get32(&file[2]) == file.size() && Get32(&file[10]) == offset, "file header disagrees");
  Check(std::memcmp(&file[14], dib.header.get(), offset - 14) == 0, "info header or table differs");
  Check(std::memcmp(file.data() + offset, dib.pixels.get(), info.biSizeImage) == 0,
        "pixel rows differ");
}

// A small bitmap read through a header taken from the input, as CaptureDib reads the Canvas.
void CopyPixels(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(BITMAPINFOHEADER) + 2) return;
  static HDC screen = GetDC(nullptr);
  static HBITMAP bitmap = [] {
    HBITMAP b = CreateCompatibleBitmap(screen, 7, 5);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, b);
    for (int i = 0; i < 35; ++i) SetPixel(dc, i % 7, i / 7, RGB(i, 255 - i, 3 * i));
    SelectObject(dc, old);
    DeleteDC(dc);
    return b;
  }();
  // Room for the colour table a header may claim, as the capture allocates it.
  std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + 4 * 256);
  std::memcpy(block.data(), data, sizeof(BITMAPINFOHEADER));
  auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
  const UINT start = data[sizeof(BITMAPINFOHEADER)] % 8;
  const UINT lines = data[sizeof(BITMAPINFOHEADER) + 1] % 8;
  if (!GetDIBits(screen, bitmap, start, lines, nullptr, info, DIB_RGB_COLORS)) return;
  const DWORD announced = info->bmiHeader.biSizeImage;
  if (announced > (1u << 24)) return;  // a real caller would not get the memory either
  std::vector<BYTE> pixels(announced);
  GetDIBits(screen, bitmap, start, lines, pixels.data(), info, DIB_RGB_COLORS);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BuildFile(data, size);
  CopyPixels(data, size);
  return 0;
}
