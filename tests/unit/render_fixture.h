// Shared set-up of the renderer's tests: a program window with its Canvas and empty grid, the
// dot-colour list as the control panel fills it (cyan selected), and a fixed clock.
#pragma once

#include <vector>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "support/program_window_test.h"

namespace render_testing {

class RenderTest : public testing_support::ProgramWindowTest {
 protected:
  void SetUp() override {
    ProgramWindowTest::SetUp();
    dotList = testing_support::AddDotColorList(window, 5);
    SetFixedCalendarSeconds(1234567);
  }
  void TearDown() override {
    UseRealCalendarClock();
    ProgramWindowTest::TearDown();
  }

  // -1 leaves nothing selected.
  void SelectDotColor(int index) {
    SendMessageA(dotList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }

  static std::vector<COLORREF> ArtArea() {
    return testing_support::CanvasRows(kArtTop, kCanvasHeight - 1);
  }

  HWND dotList = nullptr;
};

}  // namespace render_testing
