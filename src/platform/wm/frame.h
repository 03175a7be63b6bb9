// The frame of a top-level window, as the desktop the program was laid out for draws it.
#pragma once

namespace wm {

// A WS_OVERLAPPEDWINDOW of the outer size 504 x 486 has a client area of 496 x 440 below its
// menu bar: the frame and the menu bar take these many pixels across and down.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 46;

}  // namespace wm
