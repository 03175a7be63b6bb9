// The eight depth colours: level 0 (black) is the farthest, level 7 (white) the nearest.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct DepthColor {
  std::int32_t red;
  std::int32_t green;
  std::int32_t blue;
};

constexpr int kDepthLevels = 8;

extern const DepthColor DepthColorTable[kDepthLevels];

// The packed colour of a level 0..7.
COLORREF DepthColorRef(int level);
