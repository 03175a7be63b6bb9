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
// ReadCellLevel's answer for a centre colour that is no depth colour.
constexpr int kNoLevel = -1;

// The black EditArea with its white lines; drawn once, by the first paint.
void DrawEmptyGrid();
// Fills the interior of the cell whose block starts at Canvas (x, y) with a level 0..7.
void PaintCell(int x, int y, int level);
// The level whose colour the cell's centre pixel holds, or kNoLevel.
int ReadCellLevel(int column, int row);
// Copies the 480 x 360 EditArea to the window at the view origin.
void ShowEditArea(HWND window);
