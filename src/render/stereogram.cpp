#include "render/stereogram.h"

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/canvas_view.h"
#include "canvas/drawing.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "render/dot_palette.h"
#include "render/dot_random.h"

namespace {

// The random strip: 80 columns of fresh dots, repeated across the width. 450 rows serve both
// sizes (30 bands of 15); the normal size wipes the rows it does not use afterwards.
constexpr int kStripWidth = 80;
constexpr int kStripHeight = 450;
// How far a cell of level 0 reaches to each side of its block line: half the strip width, so
// level 0 copies dots onto equal dots and leaves the background flat.
constexpr int kFarShift = kStripWidth / 2;
constexpr int kGrey = 192;
// The output cell: 12 pixels as in the grid, or 15 in the large size.
constexpr int kNormalCell = 12;
constexpr int kLargeCell = 15;
// The grey rows under the cells that hold the markers when they are not inside the picture.
constexpr int kMarkerBand = 16;
// Each marker is a 4 x 8 blob; the pair spans the 80 columns of the strip.
constexpr int kMarkerWidth = 4;
constexpr int kMarkerHeight = 8;
constexpr int kMarkerSpan = kStripWidth;

int CellSizeFor(int largeSize) { return largeSize ? kLargeCell : kNormalCell; }

struct ArtGeometry {
  int cell;        // output cell size
  int markerTop;   // first Canvas row of both markers
  int markerLeft;  // first column of the left marker; the right one ends kMarkerSpan on
};

ArtGeometry GeometryFor(int largeSize, int markersInside) {
  // Markers sit centred in the grey band under the picture, or at the picture's mid-height;
  // either way their pair is centred on the shown block.
  const int cell = CellSizeFor(largeSize);
  const int cellsHeight = kGridRows * cell;
  const int markerMiddle = markersInside ? cellsHeight / 2 : cellsHeight + kMarkerBand / 2;
  return {cell, kArtTop + markerMiddle - kMarkerHeight / 2,
          ShownPictureSize(largeSize).width / 2 - kMarkerSpan / 2};
}

void DrawRandomStrip(HDC canvas, const DotPalette& palette, const DotRandom& random) {
  // Row by row, left to right: this order decides which dot lands where for a seed.
  DotRandomRows<kStripWidth> rows(random);
  std::uint32_t draws[kStripWidth];
  for (int y = kArtTop; y < kArtTop + kStripHeight; ++y) {
    rows.Next(draws, kDotPaletteSize - 1);
    for (int x = 0; x < kStripWidth; ++x) SetPixel(canvas, x, y, palette.colors[draws[x]]);
  }
  // The last copy is cut at the Canvas's right edge.
  for (int n = 1; n * kStripWidth < kCanvasWidth; ++n)
    BitBlt(canvas, kStripWidth * n, kArtTop, kStripWidth, kStripHeight, canvas, 0, kArtTop,
           SRCCOPY);
}

// One block per drawable cell, copied 80 - 2L columns to the right of where it was taken.
// Each copy reads what the earlier ones left, those of its own band included, so a shorter
// repeat, once made, carries on to the right; the order of the copies is the picture.
void ShiftCellBlocks(HDC canvas, int cell) {
  for (int row = 0; row < kGridRows; ++row) {
    const int y = kArtTop + row * cell;
    for (int column = kFieldFirstColumn; column <= kFieldLastColumn; ++column) {
      const int level = ReadCellLevel(column, row);
      // A centre that holds no depth colour is rendered as the background plane.
      const int shift = level == kNoLevel ? kFarShift : kFarShift - level;
      const int x = column * cell;
      BitBlt(canvas, x + shift, y, cell, cell, canvas, x - shift, y, SRCCOPY);
    }
  }
}

}  // namespace

PictureSize ShownPictureSize(int largeSize) {
  const int cell = CellSizeFor(largeSize);
  return {kGridColumns * cell, kGridRows * cell + kMarkerBand};
}

void RenderStereogram(HWND window) {
  HDC canvas = AppState.Canvas;
  const LRESULT selection = SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0);
  const DotPalette palette = BuildDotPalette(selection, AppState.Bright);
  DotRandom random;
  SeedDotRandom(random, CalendarSeconds32());

  DrawFilledRect(canvas, 0, kArtTop, kCanvasWidth, kCanvasHeight, kGrey, kGrey, kGrey);
  DrawRandomStrip(canvas, palette, random);

  const ArtGeometry art = GeometryFor(AppState.LargeSize, AppState.MarkersInside);
  ShiftCellBlocks(canvas, art.cell);
  DrawFilledRect(canvas, 0, kArtTop + kGridRows * art.cell, kCanvasWidth, kCanvasHeight, kGrey,
                 kGrey, kGrey);

  HDC surface = GetDC(window);
  ClearViewBackground(surface);
  // 4 x 8 blobs whose boxes together span exactly 80 columns: the strip width, the repeat
  // of the background, so the eyes fuse them when they fuse the picture's far plane.
  const int bottom = art.markerTop + kMarkerHeight;
  DrawFilledEllipse(canvas, art.markerLeft, art.markerTop, art.markerLeft + kMarkerWidth, bottom, 0,
                    0, 0);
  const int right = art.markerLeft + kMarkerSpan;
  DrawFilledEllipse(canvas, right - kMarkerWidth, art.markerTop, right, bottom, 0, 0, 0);
  const PictureSize shown = ShownPictureSize(AppState.LargeSize);
  CopyCanvasView(surface, kArtTop, shown.width, shown.height);
  ReleaseDC(window, surface);

  AppState.ViewMode = VIEW_ART;
}
