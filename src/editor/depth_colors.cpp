#include "editor/depth_colors.h"

#include <cassert>

const DepthColor DepthColorTable[kDepthLevels] = {
    {0, 0, 0},        // 0 black
    {0, 0, 255},      // 1 blue
    {255, 0, 0},      // 2 red
    {255, 0, 255},    // 3 magenta
    {0, 255, 0},      // 4 green
    {0, 255, 255},    // 5 cyan
    {255, 255, 0},    // 6 yellow
    {255, 255, 255},  // 7 white
};

COLORREF DepthColorRef(int level) {
  assert(level >= 0 && level < kDepthLevels);
  const DepthColor& c = DepthColorTable[level];
  return RGB(c.red, c.green, c.blue);
}
