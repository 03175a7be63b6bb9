// The random-dot stereogram: generated from the depth grid into the Canvas's ArtArea, shown in
// the window, and the window switched to VIEW_ART.
#pragma once

#include "platform/win32.h"

void RenderStereogram(HWND window);
