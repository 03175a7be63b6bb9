// One scripted editing session, played the same way on the headless backend and on Qt so
// that the client pixels of both can be compared: colours picked on the palette bar, strokes
// with both buttons (one leaving the drawing field and the window), a render, and the larger
// picture size switched on.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace session_script {

enum class Kind { Move, Press, Release, Click, Checkpoint };

struct Step {
  Kind kind;
  int button = 0;  // 1 left, 2 right (Press, Release)
  int x = 0, y = 0;
  int control = 0;  // Click: the control's identifier
};

constexpr std::uint32_t kSeedSeconds = 1234567890;
// Headless pixels that nothing drew at a checkpoint keep kUntouched.
constexpr std::uint32_t kUntouched = 0x00010203, kSkipped = 0xFF000000;

inline int CellX(int column) { return 8 + 12 * column + 6; }
inline int CellY(int row) { return 58 + 12 * row + 6; }

inline std::vector<Step> Steps() {
  std::vector<Step> s;
  auto pick = [&](int button, int x) {
    s.push_back({Kind::Move, 0, x, 43});
    s.push_back({Kind::Press, button, x, 43});
    s.push_back({Kind::Release, button, x, 43});
  };
  auto stroke = [&](int button, int row, int from, int to, int endX, int endY) {
    s.push_back({Kind::Move, 0, CellX(from), CellY(row)});
    s.push_back({Kind::Press, button, CellX(from), CellY(row)});
    for (int c = from + 1; c <= to; ++c) s.push_back({Kind::Move, 0, CellX(c), CellY(row)});
    s.push_back({Kind::Move, 0, endX, endY});
    s.push_back({Kind::Release, button, endX, endY});
  };
  pick(1, 180);  // green for the left button
  pick(2, 228);  // white for the right button
  stroke(1, 5, 10, 14, CellX(14), CellY(6));
  stroke(2, 8, 10, 14, CellX(15), CellY(8));
  stroke(1, 12, 30, 38, -5, CellY(12));  // out of the field and out of the window
  pick(1, 140);                          // magenta
  stroke(1, 20, 4, 6, CellX(6), CellY(21));
  s.push_back({Kind::Checkpoint});
  s.push_back({Kind::Click, 0, 0, 0, 206});  // render
  s.push_back({Kind::Checkpoint});
  s.push_back({Kind::Click, 0, 0, 0, 201});  // larger size: the repaint shows more
  s.push_back({Kind::Checkpoint});
  s.push_back({Kind::Click, 0, 0, 0, 207});  // back to the grid
  s.push_back({Kind::Checkpoint});
  return s;
}

}  // namespace session_script
