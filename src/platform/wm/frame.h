// The frame of a top-level window, as the desktop the program was laid out for draws it.
#pragma once

namespace wm {

// A WS_OVERLAPPEDWINDOW of the outer size 504 x 486 has a client area of 496 x 440 below its
// menu bar: the frame and the menu bar take these many pixels across and down.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 46;

// The client area of a window made at CW_USEDEFAULT size.
constexpr int kDefaultClientWidth = 504 - kFrameWidth;
constexpr int kDefaultClientHeight = 486 - kFrameHeight;

// The client size of a window of the given outer size and style.
inline int ClientWidth(int outerWidth, bool framed) {
  const int w = outerWidth - (framed ? kFrameWidth : 0);
  return w < 0 ? 0 : w;
}
inline int ClientHeight(int outerHeight, bool framed) {
  const int h = outerHeight - (framed ? kFrameHeight : 0);
  return h < 0 ? 0 : h;
}

}  // namespace wm
