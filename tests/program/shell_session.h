// A whole run of the program on the headless backend, played as a user would play it: WinMain
// starts, and whenever its loop waits for input the next step of the session supplies a
// message or acts between two messages (checks the state, scripts an answer). When the steps
// run out the backend sends the close request that ends the session.
#pragma once

#include <deque>
#include <functional>

#include "canvas/app_state.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "shell/resources.h"
#include "shell/win_main.h"

namespace shell_testing {

inline HWND MainWindow() { return headless::FindTopLevel("VELMORA2"); }
inline HWND Control(int id) { return GetDlgItem(MainWindow(), id); }

inline COLORREF ClientPixel(int x, int y) {
  HDC dc = GetDC(MainWindow());
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(MainWindow(), dc);
  return c;
}

// Runs WinMain with a fresh program state; `input` plays the user. Returns the exit code.
inline int RunProgram(std::function<bool(MSG*)> input) {
  AppState = AppStateRecord{};
  static HINSTANCE module = CreateModuleInstance(&ProgramResources);
  headless::SetInputSource(std::move(input));
  char commandLine[] = "";
  return WinMain(module, nullptr, commandLine, SW_SHOWDEFAULT);
}

class Session {
 public:
  // A step returns the next message, or acts between two messages and returns a message 0.
  using Step = std::function<MSG()>;

  Session& Add(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  Session& Do(std::function<void()> action) {
    return Add([action] {
      action();
      return MSG{};
    });
  }
  Session& Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return Add([=] { return MSG{MainWindow(), message, wParam, lParam, 0, {}}; });
  }
  Session& Menu(int command) { return Send(WM_COMMAND, MAKEWPARAM(command, 0)); }
  Session& Move(int x, int y) { return Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  // Move to (x, y), press and release the left (or right) button there.
  Session& ClickAt(int x, int y, bool right = false) {
    const LPARAM at = MAKELPARAM(x, y);
    return Move(x, y)
        .Send(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at)
        .Send(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
  }
  // A left click on a child control, as the two messages the control receives.
  Session& Click(int id) {
    Add([=] { return headless::ClickMessages(Control(id))[0]; });
    return Add([=] { return headless::ClickMessages(Control(id))[1]; });
  }
  // Alt + character typed while control `focusId` (0: the main window) has the focus.
  Session& AltKey(char c, int focusId = 0) {
    return Add(
        [=] { return headless::AltCharMessage(focusId ? Control(focusId) : MainWindow(), c); });
  }

  int Run() {
    headless::Reset();
    return RunProgram([this](MSG* msg) {
      while (!steps_.empty()) {
        *msg = steps_.front()();
        steps_.pop_front();
        if (msg->message) return true;
      }
      return false;
    });
  }

 private:
  std::deque<Step> steps_;
};

}  // namespace shell_testing
