// The palette bar's labels on real GDI: their UTF-8 text reaches the font as the right
// characters (TextOutA alone would decode it by the font's Shift-JIS character set), and the
// face that stands in for "ＭＳ ゴシック" has the 12-pixel cell with 12-pixel full-width
// characters that the bar's layout counts on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/drawing.h"
#include "platform/true_color_bitmap.h"

namespace {

constexpr int kWidth = 160, kHeight = 16;

struct White32 {
  White32() : dc(CreateCompatibleDC(nullptr)) {
    bitmap = CreateTrueColorBitmap(dc, kWidth, kHeight);
    old = SelectObject(dc, bitmap);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~White32() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> out;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) out.push_back(GetPixel(dc, x, y));
    return out;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

// The columns that hold any glyph pixel, as first and one past the last.
std::pair<int, int> InkColumns(const std::vector<COLORREF>& pixels) {
  int first = kWidth, end = 0;
  for (int i = 0; i < kWidth * kHeight; ++i)
    if (pixels[i] != RGB(255, 255, 255)) {
      first = std::min(first, i % kWidth);
      end = std::max(end, i % kWidth + 1);
    }
  return {first, end};
}

TEST(LabelText, DrawsTheSameGlyphsAsTheUtf16TextInTheCellFont) {
  const char* label = "編集色　（奥）←";
  const wchar_t* wide = L"編集色　（奥）←";
  White32 drawn, reference;
  DrawLabel(drawn.dc, 0, 0, 6, 12, 0, label);

  const LOGFONTA cell = CellFont(6, 12);
  HFONT font = CreateFontIndirectA(&cell);
  HGDIOBJ kept = SelectObject(reference.dc, font);
  SetBkMode(reference.dc, TRANSPARENT);
  SetTextColor(reference.dc, RGB(0, 0, 0));
  TextOutW(reference.dc, 0, 0, wide, static_cast<int>(wcslen(wide)));

  // Eight full-width characters: a cell 12 high, each character 12 wide.
  SIZE extent{};
  GetTextExtentPoint32W(reference.dc, wide, static_cast<int>(wcslen(wide)), &extent);
  EXPECT_EQ(extent.cx, 8 * 12);
  EXPECT_EQ(extent.cy, 12);
  SelectObject(reference.dc, kept);
  DeleteObject(font);

  const std::vector<COLORREF> pixels = drawn.Pixels();
  EXPECT_EQ(pixels, reference.Pixels());
  const auto [first, end] = InkColumns(pixels);
  EXPECT_LT(first, 12);    // ink in the first character's cell
  EXPECT_GT(end, 7 * 12);  // and in the last one's
  EXPECT_LE(end, 8 * 12);
}

}  // namespace
