// Build-time tool of the Windows build, compiled for the build machine: writes the program's
// two icon groups (src/shell/icons.cpp) as .ico files for the resource script, so that the
// pixel art has one home.
//
//   write_icons LARGE.ico SMALL.ico
//
// Each file holds the group's images as 4-bit device-independent bitmaps: the 40-byte header
// (height doubled for the two masks), the 16 palette colours, the colour pixels and the
// 1-bit transparency mask, both bottom-up with rows padded to 4 bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "shell/icons.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}
void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

Bytes ImageBlock(const IconImageResource& image) {
  const int size = image.size;
  const int colourStride = (size * 4 + 31) / 32 * 4;
  const int maskStride = (size + 31) / 32 * 4;
  Bytes out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, 2 * size);  // colour pixels and mask
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);  // BI_RGB
  Put32(out, (colourStride + maskStride) * size);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (COLORREF c : image.palette) {  // RGBQUAD: blue, green, red, 0
    out.push_back(GetBValue(c));
    out.push_back(GetGValue(c));
    out.push_back(GetRValue(c));
    out.push_back(0);
  }
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(colourStride, 0);
    for (int x = 0; x < size; ++x) {
      const int index = IconPixelIndex(image, x, y);
      // A transparent pixel is black in the colour pixels and set in the mask.
      const int nibble = index < 0 ? 0 : index;
      row[x / 2] |= static_cast<std::uint8_t>(x % 2 ? nibble : nibble << 4);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    for (int x = 0; x < size; ++x)
      if (IconPixelIndex(image, x, y) < 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes IcoFile(const IconResource& icon) {
  std::vector<Bytes> blocks;
  for (const IconImageResource& image : icon.images) blocks.push_back(ImageBlock(image));
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<unsigned>(blocks.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(blocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(icon.images[i].size));
    out.push_back(static_cast<std::uint8_t>(icon.images[i].size));
    out.push_back(16);  // colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(blocks[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(blocks[i].size());
  }
  for (const Bytes& block : blocks) out.insert(out.end(), block.begin(), block.end());
  return out;
}

bool Write(const char* path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: write_icons LARGE.ico SMALL.ico\n");
    return 2;
  }
  for (int i = 0; i < 2; ++i) {
    const IconResource& icon = ProgramIcons[i];
    const char* path = icon.id == IDI_MAIN_LARGE ? argv[1] : argv[2];
    if (!Write(path, IcoFile(icon))) {
      std::fprintf(stderr, "write_icons: cannot write %s\n", path);
      return 1;
    }
  }
  return 0;
}
