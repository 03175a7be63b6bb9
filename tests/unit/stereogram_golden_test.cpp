// Whole pictures compared byte for byte with checked-in references, so that any change to the
// order of draws or copies, the dot colours, the shift distances or the markers shows up.
//
// Each reference is the full ArtArea (600 x 466 pixels from Canvas (0, 360)) after one run,
// stored in tests/data as an 8-bit indexed BMP (the picture holds at most 18 colours: 16 dot
// shades, grey and black), bottom-up rows as usual for BMP. The references were made by this
// test itself, with VELMORA_UPDATE_GOLDEN=1 in the environment, from the grid, seeds and options
// below, and checked once by eye (converted to PNG: random dots, two markers, the raised
// shapes visible when viewed as a stereogram). Regenerate them only when a change of the
// picture is intended:
//   VELMORA_UPDATE_GOLDEN=1 build/tests/stereogram_golden_test
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "canvas/drawing.h"
#include "render/stereogram.h"
#include "render_fixture.h"

using namespace render_testing;

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kWidth = kCanvasWidth, kHeight = kCanvasHeight - kArtTop;
constexpr std::uint32_t kHeader = 54;  // file and info headers; the colour table follows

// COLORREF to a BMP colour-table entry (blue in the low byte) and back.
std::uint32_t SwapRedBlue(std::uint32_t c) {
  return (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16;
}

// pixels: top row first. Rows of 600 bytes need no padding.
Bytes EncodeIndexedBmp(const std::vector<COLORREF>& pixels) {
  std::map<COLORREF, std::uint8_t> index;
  for (COLORREF c : pixels) index.emplace(c, 0);
  std::uint8_t next = 0;
  for (auto& entry : index) entry.second = next++;
  const std::uint32_t colours = static_cast<std::uint32_t>(index.size());
  const std::uint32_t offset = kHeader + 4 * colours, size = kWidth * kHeight;
  Bytes out = {'B', 'M'};
  auto put = [&](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back((value >> 8 * i) & 0xFF);
  };
  // Planes 1 and 8 bits per pixel share one word; 2835 pixels per metre is 72 per inch.
  for (std::uint32_t value : {offset + size, 0u, offset, 40u, kWidth, kHeight, 1u | 8u << 16, 0u,
                              size, 2835u, 2835u, colours, 0u})
    put(value);
  for (const auto& entry : index) put(SwapRedBlue(entry.first));
  for (std::uint32_t y = kHeight; y-- > 0;)
    for (std::uint32_t x = 0; x < kWidth; ++x) out.push_back(index.at(pixels[y * kWidth + x]));
  return out;
}

// Reads back what EncodeIndexedBmp writes; anything else gives an empty vector.
std::vector<COLORREF> DecodeIndexedBmp(const Bytes& in) {
  auto get = [&](std::uint32_t at) {
    return in[at] | in[at + 1] << 8 | in[at + 2] << 16 | std::uint32_t{in[at + 3]} << 24;
  };
  if (in.size() < kHeader || get(46) > 256 || in.size() != kHeader + 4 * get(46) + kWidth * kHeight)
    return {};
  const std::uint32_t offset = kHeader + 4 * get(46);
  std::vector<COLORREF> table(256), pixels(kWidth * kHeight);
  for (std::uint32_t i = 0; i < get(46); ++i) table[i] = SwapRedBlue(get(kHeader + 4 * i));
  for (std::uint32_t p = 0; p < pixels.size(); ++p)
    pixels[p] = table[in[offset + (kHeight - 1 - p / kWidth) * kWidth + p % kWidth]];
  return pixels;
}

// Real GDI (the Windows build) fills the markers' 4 x 8 ellipses with other edge pixels than
// our raster does; there the pictures must agree everywhere outside the markers' boxes, the left
// one at Canvas (left, top), the right one 76 columns on.
struct MarkerBoxes {
  int left, top;
};
bool MayDiffer([[maybe_unused]] MarkerBoxes m, [[maybe_unused]] std::size_t i) {
#ifdef _WIN32
  const int x = static_cast<int>(i % kWidth) - m.left;
  const int y = static_cast<int>(i / kWidth) + kArtTop - m.top;
  return y >= 0 && y < 8 && ((x >= 0 && x < 4) || (x >= 76 && x < 80));
#else
  return false;
#endif
}

void CompareWithReference(const std::vector<COLORREF>& actual, const char* name,
                          MarkerBoxes markers) {
  const std::string path = std::string(VELMORA_TEST_DATA) + "/" + name;
  const char* update = std::getenv("VELMORA_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    const Bytes bytes = EncodeIndexedBmp(actual);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    GTEST_SKIP() << "wrote " << path;
  }
  std::ifstream file(path, std::ios::binary);
  const std::vector<COLORREF> expected =
      DecodeIndexedBmp({std::istreambuf_iterator<char>(file), {}});
  ASSERT_EQ(expected.size(), actual.size())
      << "missing or unreadable reference " << path
      << "; make it with VELMORA_UPDATE_GOLDEN=1 and check it by eye";
  for (std::size_t i = 0; i < actual.size(); ++i)
    if (actual[i] != expected[i] && !MayDiffer(markers, i))
      FAIL() << "first difference at Canvas (" << i % kWidth << ", " << i / kWidth + kArtTop
             << "): expected " << std::hex << expected[i] << ", got " << actual[i];
}

class StereogramGoldenTest : public RenderTest {};

// The grid: an 'F' with no symmetry, its parts at different levels, so that neighbouring cells
// shift both nearer and farther; a staircase of every level; cells in both margins; and a field
// cell whose centre holds no depth colour. Red dots (a swap of the red and blue channels turns
// them blue) with the markers below; bright yellow dots with the markers inside, large size
// (options 1: LargeSize, Bright and MarkersInside all on).
TEST_F(StereogramGoldenTest, PicturesMatchTheReferencesWhateverRanBefore) {
  // First and last column, first and last row, level.
  const int blocks[][5] = {{8, 10, 4, 25, 7},  {11, 24, 4, 6, 5}, {11, 19, 13, 15, 3},
                           {35, 35, 2, 2, 6},  {4, 4, 28, 28, 2}, {1, 1, 3, 3, 6},
                           {38, 38, 20, 20, 4}};
  for (const auto& b : blocks)
    for (int row = b[2]; row <= b[3]; ++row)
      for (int column = b[0]; column <= b[1]; ++column)
        PaintCell(column * kCellSize, row * kCellSize, b[4]);
  for (int step = 0; step < 7; ++step)
    for (int row = 18 + step; row <= 27; ++row)
      PaintCell((27 + step) * kCellSize, row * kCellSize, 1 + step);
  DrawFilledRect(AppState.Canvas, 12 * 30 + 1, 12 * 9 + 1, 12 * 31, 12 * 10, 1, 2, 3);

  auto check = [&](const char* file, int dotColor, int options, std::uint32_t seed,
                   MarkerBoxes markers) {
    SCOPED_TRACE(file);
    SelectDotColor(dotColor);
    AppState.LargeSize = AppState.Bright = AppState.MarkersInside = options;
    SetFixedCalendarSeconds(seed);
    RenderStereogram(window);
    CompareWithReference(ArtArea(), file, markers);
  };
  check("golden_stereogram_normal.bmp", 2, 0, 0x5EED0001u, {200, 724});
  check("golden_stereogram_large.bmp", 6, 1, 1718000000u, {260, 581});
  // Each run starts from a cleared ArtArea: the larger picture just drawn leaves nothing behind.
  check("golden_stereogram_normal.bmp", 2, 0, 0x5EED0001u, {200, 724});
}

}  // namespace
