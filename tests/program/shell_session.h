// A whole run of the program on the headless backend, played as a user would play it: WinMain
// starts, and whenever its loop waits for input the next step of the session supplies a
// message (a pointer move, a click, a menu command, a key) or acts between two messages (picks
// a list entry, checks the state). When the steps run out the backend sends the close request
// that ends the session.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

#include "canvas/app_state.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "shell/resources.h"
#include "shell/win_main.h"

namespace shell_testing {

// The main window while the session runs.
inline HWND MainWindow() { return headless::FindTopLevel("VELMORA2"); }
inline HWND Control(int id) { return GetDlgItem(MainWindow(), id); }

inline COLORREF ClientPixel(int x, int y) {
  HDC dc = GetDC(MainWindow());
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(MainWindow(), dc);
  return c;
}

class Session {
 public:
  using Step = std::function<std::optional<MSG>()>;

  // A message to the main window.
  Session& Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return Add([=] {
      return std::optional<MSG>(MSG{MainWindow(), message, wParam, lParam, 0, {}});
    });
  }
  Session& Move(int x, int y) { return Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  // A press and release at (x, y), after the move that brings the pointer there.
  Session& LeftClickAt(int x, int y) {
    return Move(x, y)
        .Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y))
        .Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  Session& RightClickAt(int x, int y) {
    return Move(x, y)
        .Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y))
        .Send(WM_RBUTTONUP, 0, MAKELPARAM(x, y));
  }
  // A menu item chosen (or any command sent as the menu sends it).
  Session& Menu(int command) { return Send(WM_COMMAND, MAKEWPARAM(command, 0), 0); }
  // A left click on a child control, as the two messages the control receives.
  Session& Click(int controlId) {
    for (int i = 0; i < 2; ++i)
      Add([=] { return std::optional<MSG>(headless::ClickMessages(Control(controlId))[i]); });
    return *this;
  }
  // Alt + character typed while `focusId`'s control (0: the main window) has the focus.
  Session& AltKey(char character, int focusId = 0) {
    return Add([=] {
      return std::optional<MSG>(
          headless::AltCharMessage(focusId ? Control(focusId) : MainWindow(), character));
    });
  }
  Session& PickDotColor(int index) {
    return Do([=] { EXPECT_TRUE(headless::PickListEntry(AppState.DotColorList, index)); });
  }
  // Runs between two messages: checks, or direct user actions.
  Session& Do(std::function<void()> action) {
    return Add([action] {
      action();
      return std::optional<MSG>();
    });
  }
  Session& Add(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }

  // Runs WinMain from a fresh process state; returns its exit code.
  int Run() {
    headless::Reset();
    AppState = AppStateRecord{};
    static HINSTANCE module = CreateModuleInstance(&ProgramResources);
    headless::SetInputSource([this](MSG* msg) {
      while (!steps_.empty()) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (std::optional<MSG> m = step()) {
          *msg = *m;
          return true;
        }
      }
      return false;
    });
    char commandLine[] = "";
    return WinMain(module, nullptr, commandLine, SW_SHOWDEFAULT);
  }

 private:
  std::deque<Step> steps_;
};

}  // namespace shell_testing
