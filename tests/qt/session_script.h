// One scripted editing session, played the same way on the headless backend and on Qt so that the
// client pixels of both can be compared: colours picked on the palette bar, strokes with both
// buttons (one leaving the drawing field and the window), a render, and the larger picture size
// switched on.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace session_script {

// A mouse message (wParam: the buttons held after it), a click on the control wParam (WM_COMMAND)
// or a checkpoint (0).
struct Step {
  UINT msg;
  WPARAM wParam = 0;
  int x = 0, y = 0;
};

constexpr std::uint32_t kSeedSeconds = 1234567890;
// Headless pixels that nothing drew at a checkpoint keep kUntouched.
constexpr std::uint32_t kUntouched = 0x00010203, kSkipped = 0xFF000000;

inline int CellX(int column) { return 8 + 12 * column + 6; }
inline int CellY(int row) { return 58 + 12 * row + 6; }

inline std::vector<Step> Steps() {
  std::vector<Step> s;
  // Pressed at the first point, moved through the others, released at the last.
  auto drag = [&](bool left, std::vector<POINT> points) {
    const WPARAM held = left ? MK_LBUTTON : MK_RBUTTON;
    const UINT down = left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
               up = left ? WM_LBUTTONUP : WM_RBUTTONUP;
    s.push_back({WM_MOUSEMOVE, 0, points[0].x, points[0].y});
    s.push_back({down, held, points[0].x, points[0].y});
    for (size_t i = 1; i < points.size(); ++i)
      s.push_back({WM_MOUSEMOVE, held, points[i].x, points[i].y});
    s.push_back({up, 0, points.back().x, points.back().y});
  };
  auto cells = [](int row, int from, int to, POINT end) {
    std::vector<POINT> points;
    for (int c = from; c <= to; ++c) points.push_back({CellX(c), CellY(row)});
    points.push_back(end);
    return points;
  };
  drag(true, {{180, 43}});   // green for the left button
  drag(false, {{228, 43}});  // white for the right button
  drag(true, cells(5, 10, 14, {CellX(14), CellY(6)}));
  drag(false, cells(8, 10, 14, {CellX(15), CellY(8)}));
  drag(true, cells(12, 30, 38, {-5, CellY(12)}));  // out of the field and out of the window
  drag(true, {{140, 43}});                         // magenta
  drag(true, cells(20, 4, 6, {CellX(6), CellY(21)}));
  // Render, the larger size (the repaint shows more), back to the grid.
  for (int control : {0, 206, 0, 201, 0, 207, 0})
    s.push_back({control ? WM_COMMAND : 0u, WPARAM(control)});
  return s;
}

}  // namespace session_script
