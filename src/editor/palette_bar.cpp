#include "editor/palette_bar.h"

#include "canvas/app_state.h"
#include "canvas/drawing.h"
#include "editor/depth_colors.h"

namespace {

// Swatch i covers (108 + 16i, 34)-(128 + 16i, 52): 20 pixels wide at a pitch of 16, so each
// swatch hides the right four columns of the one before it.
constexpr int kSwatchLeft = 108;
constexpr int kSwatchPitch = 16;
constexpr int kSwatchWidth = 20;
constexpr int kSwatchTop = 34;
constexpr int kSwatchBottom = 52;
// The pick takes presses strictly inside these bounds: not on swatch 0's left outline, not on
// the top outline row, and not on the last four columns of swatch 7.
constexpr int kPickLeft = 108;
constexpr int kPickRight = 236;
constexpr int kPickTop = 34;
constexpr int kPickBottom = 52;

void DrawIndicator(HDC surface, int left, int top, int level) {
  const DepthColor& c = DepthColorTable[level];
  DrawFramedRect(surface, left, top, left + 16, top + 12, 0, 0, 0, c.red, c.green, c.blue);
}

}  // namespace

void DrawPaletteBar(HWND window) {
  HDC surface = GetDC(window);

  // The two-line separator under the menu bar, across the whole client width.
  SelectPenBrush(surface, 128, 128, 128);
  DrawLine(surface, 0, 0, AppState.ClientWidth, 0);
  RestorePenBrush(surface);
  SelectPenBrush(surface, 255, 255, 255);
  DrawLine(surface, 0, 1, AppState.ClientWidth, 1);
  RestorePenBrush(surface);

  DrawLabel(surface, 8, 38, 6, 12, 0, "編集色　（奥）←");
  DrawLabel(surface, 246, 38, 6, 12, 0, "→（手前）");

  for (int i = 0; i < kDepthLevels; ++i) {
    const DepthColor& c = DepthColorTable[i];
    const int left = kSwatchLeft + kSwatchPitch * i;
    DrawFramedRect(surface, left, kSwatchTop, left + kSwatchWidth, kSwatchBottom, 0, 0, 0, c.red,
                   c.green, c.blue);
  }

  // The left button's indicator is drawn last, so it stands in front, up and to the left.
  DrawIndicator(surface, 340, 40, AppState.RightColor);
  DrawIndicator(surface, 330, 36, AppState.LeftColor);

  ReleaseDC(window, surface);
}

int PickPaletteColor(HWND window, MouseButton button) {
  if (AppState.ViewMode == VIEW_ART) return 0;
  const int x = AppState.MouseX;
  const int y = AppState.MouseY;
  if (!(y > kPickTop && y < kPickBottom && x > kPickLeft && x < kPickRight)) return 0;

  const int level = (x - kSwatchLeft) / kSwatchPitch;
  if (button == MouseButton::Left)
    AppState.LeftColor = level;
  else
    AppState.RightColor = level;
  DrawPaletteBar(window);
  return 1;
}
