// The Canvas: one off-screen surface that holds the depth grid (EditArea, rows 0..359) and,
// below it, the generated picture (ArtArea, rows 360..825).
#pragma once

#include "platform/win32.h"

constexpr int kCanvasWidth = 600;
constexpr int kCanvasHeight = 826;  // 360 rows of grid + 466 rows of the large picture
constexpr int kArtTop = 360;

// The first paint's grey fill: larger than the Canvas on purpose, so that clipping makes it
// cover exactly the whole surface whatever size the Canvas is made.
constexpr int kFirstClearRight = 640;
constexpr int kFirstClearBottom = 1456;

// A memory surface in the window's pixel format with a width x height bitmap selected.
HDC CreateCanvas(HWND window, int width, int height);
// Puts the original bitmap back, deletes the Canvas bitmap and the surface.
void DestroyCanvas(HDC canvas);
// The first paint's fill: the whole Canvas grey, before the empty grid is drawn on it.
void ClearCanvas(HDC canvas);
