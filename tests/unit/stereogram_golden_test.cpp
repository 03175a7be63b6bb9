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
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

constexpr int kWidth = kCanvasWidth;
constexpr int kHeight = kCanvasHeight - kArtTop;

bool UpdateRequested() {
  const char* value = std::getenv("VELMORA_UPDATE_GOLDEN");
  return value && std::strcmp(value, "1") == 0;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
std::uint32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return in[at] | in[at + 1] << 8 | in[at + 2] << 16 | static_cast<std::uint32_t>(in[at + 3]) << 24;
}

// pixels: kWidth x kHeight COLORREFs, top row first. The row width, 600, needs no padding.
std::vector<std::uint8_t> EncodeIndexedBmp(const std::vector<COLORREF>& pixels) {
  std::map<COLORREF, std::uint8_t> index;
  for (COLORREF c : pixels) index.emplace(c, 0);
  if (index.size() > 256) return {};
  std::uint8_t next = 0;
  for (auto& entry : index) entry.second = next++;
  const std::uint32_t tableBytes = 4 * static_cast<std::uint32_t>(index.size());
  const std::uint32_t offset = 14 + 40 + tableBytes;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + kWidth * kHeight);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, kWidth);
  Put32(out, kHeight);
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);  // BI_RGB
  Put32(out, kWidth * kHeight);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<std::uint32_t>(index.size()));
  Put32(out, 0);
  for (const auto& entry : index) {  // blue, green, red, 0
    out.push_back((entry.first >> 16) & 0xFF);
    out.push_back((entry.first >> 8) & 0xFF);
    out.push_back(entry.first & 0xFF);
    out.push_back(0);
  }
  for (int y = kHeight - 1; y >= 0; --y)
    for (int x = 0; x < kWidth; ++x) out.push_back(index.at(pixels[y * kWidth + x]));
  return out;
}

// Returns an empty vector for anything but the files EncodeIndexedBmp writes.
std::vector<COLORREF> DecodeIndexedBmp(const std::vector<std::uint8_t>& in) {
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') return {};
  const std::uint32_t offset = Get32(in, 10), colours = Get32(in, 46);
  if (Get32(in, 18) != kWidth || Get32(in, 22) != kHeight || (Get32(in, 26) >> 16) != 8 ||
      colours == 0 || colours > 256 || 54 + 4 * colours > offset ||
      in.size() < offset + static_cast<std::size_t>(kWidth) * kHeight)
    return {};
  std::vector<COLORREF> table(colours);
  for (std::uint32_t i = 0; i < colours; ++i)
    table[i] = RGB(in[54 + 4 * i + 2], in[54 + 4 * i + 1], in[54 + 4 * i]);
  std::vector<COLORREF> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t i = in[offset + static_cast<std::size_t>(kHeight - 1 - y) * kWidth + x];
      if (i >= colours) return {};
      pixels[y * kWidth + x] = table[i];
    }
  }
  return pixels;
}

class StereogramGoldenTest : public RenderTest {
 protected:
  // An 'F' with no symmetry, its parts at different levels, so that neighbouring cells shift
  // both nearer and farther; a staircase of every level; cells in both margins; and a field
  // cell whose centre holds no depth colour.
  static void PaintAsymmetricGrid() {
    auto paint = [](int column, int row, int level) {
      PaintCell(column * kCellSize, row * kCellSize, level);
    };
    for (int row = 4; row <= 25; ++row)
      for (int column = 8; column <= 10; ++column) paint(column, row, 7);
    for (int row = 4; row <= 6; ++row)
      for (int column = 11; column <= 24; ++column) paint(column, row, 5);
    for (int row = 13; row <= 15; ++row)
      for (int column = 11; column <= 19; ++column) paint(column, row, 3);
    for (int step = 0; step < 7; ++step)
      for (int row = 18 + step; row <= 27; ++row) paint(27 + step, row, 1 + step);
    paint(35, 2, 6);
    paint(4, 28, 2);
    paint(1, 3, 6);
    paint(38, 20, 4);
    DrawFilledRect(AppState.Canvas, 12 * 30 + 1, 12 * 9 + 1, 12 * 31, 12 * 10, 1, 2, 3);
  }

  void CompareWithReference(const char* name) {
    const std::string path = std::string(VELMORA_TEST_DATA) + "/" + name;
    const std::vector<COLORREF> actual = ArtArea();
    if (UpdateRequested()) {
      const std::vector<std::uint8_t> bytes = EncodeIndexedBmp(actual);
      ASSERT_FALSE(bytes.empty()) << "more than 256 colours in the picture";
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
      GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "no reference " << path
                      << "; make it with VELMORA_UPDATE_GOLDEN=1 and check it by eye";
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const std::vector<COLORREF> expected = DecodeIndexedBmp(bytes);
    ASSERT_EQ(expected.size(), actual.size()) << "unreadable reference " << path;
    for (std::size_t i = 0; i < actual.size(); ++i) {
      if (actual[i] != expected[i]) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "first difference at Canvas (%d, %d): expected %06X, got %06X",
                      static_cast<int>(i % kWidth), static_cast<int>(i / kWidth) + kArtTop,
                      expected[i], actual[i]);
        FAIL() << text;
      }
    }
  }
};

// Red dots: a swap of the red and blue channels turns them blue.
TEST_F(StereogramGoldenTest, NormalSizeRedDotsMarkersBelow) {
  PaintAsymmetricGrid();
  SelectDotColor(2);
  SetFixedCalendarSeconds(0x5EED0001u);
  RenderStereogram(window);
  CompareWithReference("golden_stereogram_normal.bmp");
}

// Yellow (red and green) bright dots with the markers inside, in the large size.
TEST_F(StereogramGoldenTest, LargeSizeBrightYellowDotsMarkersInside) {
  PaintAsymmetricGrid();
  SelectDotColor(6);
  AppState.LargeSize = 1;
  AppState.Bright = 1;
  AppState.MarkersInside = 1;
  SetFixedCalendarSeconds(1718000000u);
  RenderStereogram(window);
  CompareWithReference("golden_stereogram_large.bmp");
}

}  // namespace
