#include "canvas/drawing.h"

#include <cassert>
#include <cstring>

#include "editor/depth_colors.h"

namespace {

// The pen and brush that the last SelectPenBrush replaced, whatever surface it was on.
HGDIOBJ SavedPen = nullptr;
HGDIOBJ SavedBrush = nullptr;
// Catches a second SelectPenBrush before the RestorePenBrush that closes the first.
bool penBrushSelected = false;

void SelectPenAndBrush(HDC surface, COLORREF outline, COLORREF fill) {
  assert(!penBrushSelected && "pen-and-brush selections must alternate with restores");
  penBrushSelected = true;
  SavedPen = SelectObject(surface, CreatePen(PS_SOLID, 1, outline));
  SavedBrush = SelectObject(surface, CreateSolidBrush(fill));
}

}  // namespace

void SelectPenBrush(HDC surface, int red, int green, int blue) {
  const COLORREF colour = RGB(red, green, blue);
  SelectPenAndBrush(surface, colour, colour);
}

void RestorePenBrush(HDC surface) {
  assert(penBrushSelected && "RestorePenBrush without SelectPenBrush");
  penBrushSelected = false;
  DeleteObject(SelectObject(surface, SavedBrush));
  DeleteObject(SelectObject(surface, SavedPen));
}

void DrawFilledRect(HDC surface, int left, int top, int right, int bottom, int red, int green,
                    int blue) {
  SelectPenBrush(surface, red, green, blue);
  Rectangle(surface, left, top, right, bottom);
  RestorePenBrush(surface);
}

void DrawFramedRect(HDC surface, int left, int top, int right, int bottom, int outlineRed,
                    int outlineGreen, int outlineBlue, int fillRed, int fillGreen, int fillBlue) {
  SelectPenAndBrush(surface, RGB(outlineRed, outlineGreen, outlineBlue),
                    RGB(fillRed, fillGreen, fillBlue));
  Rectangle(surface, left, top, right, bottom);
  RestorePenBrush(surface);
}

void DrawFilledEllipse(HDC surface, int left, int top, int right, int bottom, int red, int green,
                       int blue) {
  SelectPenBrush(surface, red, green, blue);
  Ellipse(surface, left, top, right, bottom);
  RestorePenBrush(surface);
}

void DrawLine(HDC surface, int x1, int y1, int x2, int y2) {
  MoveToEx(surface, x1, y1, nullptr);
  LineTo(surface, x2, y2);
}

LOGFONTA CellFont(int cellWidth, int cellHeight) {
  LOGFONTA lf{};             // no escapement, orientation, italic, underline or strike-out
  lf.lfHeight = cellHeight;  // positive: the character cell's height
  lf.lfWidth = cellWidth;
  lf.lfWeight = FW_DONTCARE;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;
  lstrcpyA(lf.lfFaceName, "ＭＳ ゴシック");
  return lf;
}

void DrawLabel(HDC surface, int x, int y, int cellWidth, int cellHeight, int colourIndex,
               const char* text) {
  const LOGFONTA lf = CellFont(cellWidth, cellHeight);
  SetBkMode(surface, TRANSPARENT);
  SetTextColor(surface, DepthColorRef(colourIndex));
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ previous = SelectObject(surface, font);
  TextOutA(surface, x, y, text, static_cast<int>(std::strlen(text)));
  SelectObject(surface, previous);
  DeleteObject(font);
}
