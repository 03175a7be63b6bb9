// Fuzz target: the program's open command on arbitrary file contents. The file is accepted only
// when its first 1200 bytes are all depth levels 0..7; then every cell shows its byte, and
// otherwise nothing of the grid or the state changes. Any other outcome, or a memory error,
// stops the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "files/depth_data_file.h"
#include "fuzz/fuzz_target.h"
#include "platform/headless/headless_file_dialogs.h"
#include "support/program_window.h"
#include "support/temp_folder.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "depth_file_fuzz: %s\n", what);
  std::abort();
}

std::vector<int> GridLevels() {
  std::vector<int> levels(kDepthDataBytes);
  for (int i = 0; i < kDepthDataBytes; ++i)
    levels[i] = ReadCellLevel(i % kGridColumns, i / kGridColumns);
  return levels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testing_support::TempFolder folder;
  static const std::string path = folder / "input.dat";
  static HWND window = testing_support::MakeProgramWindow();

  testing_support::WriteBytes(path, std::vector<unsigned char>(data, data + size));
  // A grid that differs from every accepted file somewhere: level 7 on the first cell, so
  // that a refused file which changed the grid would show.
  PaintCell(0, 0, data && size && data[0] == 7 ? 6 : 7);
  const std::vector<int> before = GridLevels();
  AppState.DataSaved = 0;
  AppState.ViewMode = VIEW_ART;

  headless::ScriptFileChoice(path);
  OpenDepthData(window);

  bool valid = size >= static_cast<std::size_t>(kDepthDataBytes);
  for (int i = 0; valid && i < kDepthDataBytes; ++i) valid = data[i] <= 7;
  const std::vector<int> after = GridLevels();
  if (valid) {
    Check(AppState.DataSaved == 1 && AppState.ViewMode == VIEW_EDIT,
          "an accepted file set no state");
    for (int i = 0; i < kDepthDataBytes; ++i)
      Check(after[i] == data[i], "a cell differs from its byte");
  } else {
    Check(AppState.DataSaved == 0 && AppState.ViewMode == VIEW_ART,
          "a refused file changed the state");
    Check(after == before, "a refused file changed the grid");
  }
  return 0;
}
