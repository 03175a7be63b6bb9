#include "session.h"

#include <functional>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"
#include "shell/win_main.h"

namespace {

MSG Command(HWND main, int id, HWND control) {
  MSG msg{};
  msg.hwnd = main;
  msg.message = WM_COMMAND;
  msg.wParam = MAKEWPARAM(id, control ? BN_CLICKED : 0);
  msg.lParam = reinterpret_cast<LPARAM>(control);
  return msg;
}

bool GridHolds(const std::vector<unsigned char>& levels) {
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      if (ReadCellLevel(column, row) != levels[row * kGridColumns + column]) return false;
  return true;
}

}  // namespace

bool RunRenderSession(const RenderOptions& options, const std::vector<unsigned char>& levels,
                      std::string* error) {
  headless::Reset();
  SetFixedCalendarSeconds(options.seed ? *options.seed : CalendarSeconds32());
  // The open chooser gets the input, the save chooser the output.
  headless::ScriptFileChoice(options.input);
  headless::ScriptFileChoice(options.output);

  // The user's steps, one message each, taken by the message loop whenever it is idle. Steps
  // that only look at the program's state run between two messages.
  std::vector<std::function<bool(HWND, MSG*)>> steps;
  steps.push_back([](HWND main, MSG* msg) {
    *msg = Command(main, IDM_OPEN_DATA, nullptr);
    return true;
  });
  const std::pair<bool, int> toggles[] = {{options.large, IDC_LARGE_SIZE},
                                          {options.bright, IDC_BRIGHT},
                                          {options.markersInside, IDC_MARKERS_INSIDE}};
  for (const auto& [wanted, id] : toggles)
    if (wanted)
      steps.push_back([id = id](HWND main, MSG* msg) {
        *msg = Command(main, id, GetDlgItem(main, id));
        return true;
      });
  bool ready = false;
  steps.push_back([&](HWND main, MSG* msg) {
    HWND list = GetDlgItem(main, IDC_DOT_COLOR);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(options.dotColor), 0);
    // Render only what was asked for: the file's grid, the options, the colour.
    ready = AppState.DataSaved == 1 && AppState.ViewMode == VIEW_EDIT && GridHolds(levels) &&
            AppState.LargeSize == options.large && AppState.Bright == options.bright &&
            AppState.MarkersInside == options.markersInside &&
            SendMessageA(list, CB_GETCURSEL, 0, 0) == options.dotColor;
    if (!ready) return false;
    *msg = Command(main, IDC_RENDER, GetDlgItem(main, IDC_RENDER));
    return true;
  });
  bool rendered = false;
  steps.push_back([&](HWND main, MSG* msg) {
    rendered = AppState.ViewMode == VIEW_ART;
    if (!rendered) return false;
    *msg = Command(main, IDM_SAVE_ART, nullptr);
    return true;
  });

  std::size_t next = 0;
  bool stopped = false;
  headless::SetInputSource([&](MSG* msg) {
    HWND main = headless::FindTopLevel(MainClassName);
    if (stopped || !main || next >= steps.size()) return false;
    if (!steps[next++](main, msg)) stopped = true;
    return !stopped;
  });
  // When the steps run out the backend closes the window as a user would; with the data just
  // loaded there is nothing unsaved to ask about.
  char commandLine[] = "";
  WinMain(CreateModuleInstance(&ProgramResources), nullptr, commandLine, SW_SHOWDEFAULT);
  headless::SetInputSource(nullptr);

  if (!ready) {
    *error = "the program did not load '" + options.input +
             "' as checked (did it change meanwhile?); run again";
    return false;
  }
  if (!rendered || next != steps.size()) {
    *error = "the program did not render the picture; this is a fault in velmora-render";
    return false;
  }
  return true;
}
