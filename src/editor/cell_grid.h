// The depth grid: 40 x 30 cells of 12 x 12 pixels in the Canvas's EditArea. A cell's level is
// the colour of its 11 x 11 interior; its left column and top row belong to the grid lines.
// Columns 4..35 are the framed drawing field; columns 0..3 and 36..39 are black margins.
#pragma once

#include "platform/win32.h"

constexpr int kGridColumns = 40;
constexpr int kGridRows = 30;
constexpr int kCellSize = 12;
constexpr int kFieldFirstColumn = 4;
constexpr int kFieldLastColumn = 35;
constexpr int kEditAreaWidth = 480;
constexpr int kEditAreaHeight = 360;
// Where the Canvas views appear in the client area: client (X, Y) lies over Canvas
// (X - 8, Y - 58).
constexpr int kEditAreaOriginX = 8;
constexpr int kEditAreaOriginY = 58;
// ReadCellLevel's answer for a centre colour that is no depth colour.
constexpr int kNoLevel = -1;

// The black EditArea with its white lines; drawn once, by the first paint.
void DrawEmptyGrid();
// Fills the interior of the cell whose block starts at Canvas (x, y) with a level 0..7.
void PaintCell(int x, int y, int level);
// The level whose colour the cell's centre pixel holds, or kNoLevel.
int ReadCellLevel(int column, int row);
// Copies the 480 x 360 EditArea to the window at the EditArea origin.
void ShowEditArea(HWND window);
// Fills the client area below the control rows (from row 56 down) with grey, as every view
// change and repaint does before it shows a view. A client area no taller than the control
// rows gets nothing: the rectangle rule would otherwise swap the corners and paint grey over
// the controls and the palette bar.
void ClearViewBackground(HDC windowSurface);
