// The random-dot stereogram: generated from the depth grid into the Canvas's ArtArea, shown in
// the window, and the window switched to VIEW_ART.
#pragma once

#include "platform/win32.h"

// The block of the ArtArea that the window shows and that saves and copies take: the 40 x 30
// cells at the picture's cell size and, below them, the grey band of the focus markers.
// 480 x 376, or 600 x 466 in the large size.
struct PictureSize {
  int width;
  int height;
};
PictureSize ShownPictureSize(int largeSize);

void RenderStereogram(HWND window);
