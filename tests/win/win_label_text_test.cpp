// The palette bar's labels on real GDI: their UTF-8 text reaches the font as the right
// characters (TextOutA alone would decode it by the font's Shift-JIS character set).
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

  SelectObject(reference.dc, kept);
  DeleteObject(font);

  const std::vector<COLORREF> pixels = drawn.Pixels();
  EXPECT_EQ(pixels, reference.Pixels());
  EXPECT_NE(pixels, White32().Pixels()) << "nothing was drawn";
}

}  // namespace
