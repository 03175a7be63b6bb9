#include "render/dot_palette.h"

#include <type_traits>

namespace {

struct ChannelMask {
  int red, green, blue;
};

// In the order of the dot-colour list: black, blue, red, magenta, green, cyan, yellow, white.
// Black cannot be a ramp, so it gives grey dots, as white does.
constexpr ChannelMask kListMasks[8] = {
    {1, 1, 1}, {0, 0, 1}, {1, 0, 0}, {1, 0, 1}, {0, 1, 0}, {0, 1, 1}, {1, 1, 0}, {1, 1, 1},
};
constexpr ChannelMask kGrey = {1, 1, 1};

}  // namespace

DotPalette BuildDotPalette(LRESULT selection, int bright) {
  // Compared as unsigned, so that -1 (nothing selected) and every other stray answer fall to
  // grey with one test.
  const auto index = static_cast<std::make_unsigned_t<LRESULT>>(selection);
  const ChannelMask mask = index < 8 ? kListMasks[index] : kGrey;
  // The brightest dot is always 255; the step sets how dark the darkest one is.
  const int step = bright ? 10 : 16;
  const int base = 255 - 15 * step;
  DotPalette palette{};
  for (int j = 0; j < kDotPaletteSize; ++j) {
    const int v = base + j * step;
    palette.colors[j] = RGB(v * mask.red, v * mask.green, v * mask.blue);
  }
  return palette;
}
