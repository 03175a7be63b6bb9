// The drawing operations every part of the program uses, on the Canvas and on the window.
// Each creates the pens, brushes and fonts it needs and deletes them before it returns.
//
// SelectPenBrush and RestorePenBrush share one program-wide pair of slots for the replaced
// pen and brush, so the pen-and-brush operations do not nest: between a SelectPenBrush and its
// RestorePenBrush the only drawing is DrawLine (and DrawLabel, which uses neither).
#pragma once

#include "platform/win32.h"

void SelectPenBrush(HDC surface, int red, int green, int blue);
void RestorePenBrush(HDC surface);

void DrawFilledRect(HDC surface, int left, int top, int right, int bottom, int red, int green,
                    int blue);
void DrawFramedRect(HDC surface, int left, int top, int right, int bottom, int outlineRed,
                    int outlineGreen, int outlineBlue, int fillRed, int fillGreen, int fillBlue);
void DrawFilledEllipse(HDC surface, int left, int top, int right, int bottom, int red, int green,
                       int blue);
// Uses the pen selected by SelectPenBrush; the end point is not drawn.
void DrawLine(HDC surface, int x1, int y1, int x2, int y2);
// Draws text (its byte count is its length) with its character cell's top-left at (x, y), in
// the depth colour of colourIndex, with a font of cellWidth x cellHeight made for this call.
// The program's one kind of font: a fixed-pitch Japanese face with a character cell of
// cellWidth x cellHeight. Labels make one per call; the controls share one made at start.
LOGFONTA CellFont(int cellWidth, int cellHeight);
void DrawLabel(HDC surface, int x, int y, int cellWidth, int cellHeight, int colourIndex,
               const char* text);
