// A whole run of the program on the headless backend, played as a user would play it: whenever
// WinMain's loop waits for input, the next step supplies a message or acts between two messages
// (checks the state, scripts an answer). When the steps run out the backend sends the close
// request that ends the session. Brings in what the steps check and script.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "platform/raster/surface.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"
#include "shell/win_main.h"
#include "support/temp_folder.h"

namespace shell_testing {

inline HWND MainWindow() { return headless::FindTopLevel("VELMORA2"); }
inline HWND Control(int id) { return GetDlgItem(MainWindow(), id); }

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
  // A step returns the next message, or acts and returns a message 0.
  Session& Add(std::function<MSG()> step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  Session& Do(std::function<void()> action) {
    return Add([action] { return action(), MSG{}; });
  }
  Session& Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return Add([=] { return MSG{MainWindow(), message, wParam, lParam, 0, {}}; });
  }
  Session& Menu(int command) { return Send(WM_COMMAND, MAKEWPARAM(command, 0)); }
  Session& Move(int x, int y) { return Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  // Move to (x, y), press and release the left (or right) button there.
  Session& ClickAt(int x, int y, bool right = false) {
    return Move(x, y)
        .Send(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
              MAKELPARAM(x, y))
        .Send(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  // A left click on a child control, as the two messages the control receives.
  Session& Click(int id) {
    for (int i : {0, 1}) Add([=] { return headless::ClickMessages(Control(id))[i]; });
    return *this;
  }
  // Alt + character typed while control `focusId` (0: the main window) has the focus.
  Session& AltKey(char c, int focusId = 0) {
    return Add(
        [=] { return headless::AltCharMessage(focusId ? Control(focusId) : MainWindow(), c); });
  }

  int Run() {
    headless::Reset();
    return RunProgram([this](MSG* msg) {
      for (*msg = MSG{}; !msg->message && !steps_.empty(); steps_.pop_front())
        *msg = steps_.front()();
      return msg->message != 0;
    });
  }

 private:
  std::deque<std::function<MSG()>> steps_;
};

}  // namespace shell_testing
