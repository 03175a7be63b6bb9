// The frame of a top-level WS_OVERLAPPEDWINDOW in the emulated backends: the program was laid
// out for an outer window of 504 x 486 with a client area of 496 x 440 below its menu bar, and
// both backends keep that client size for that outer size.
#pragma once

namespace platform {

constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 46;
// The client area of a window created with CW_USEDEFAULT as its size.
constexpr int kDefaultClientWidth = 504 - kFrameWidth;
constexpr int kDefaultClientHeight = 486 - kFrameHeight;

}  // namespace platform
