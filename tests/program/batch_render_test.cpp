// velmora-render's picture is the program's picture: the tool's file is compared byte for byte
// with one made here by the program's own operations from the same grid, options and second.
#include <gtest/gtest.h>

#include <cstdlib>

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "files/bitmap_export.h"
#include "files/depth_data_file.h"
#include "platform/clock.h"
#include "platform/headless/headless_file_dialogs.h"
#include "render/stereogram.h"
#include "support/program_window.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

// An 'F' of levels that rise to the right, with margins painted too: no symmetry to hide a
// swapped row or column.
std::vector<unsigned char> FGrid() {
  std::vector<unsigned char> levels(kDepthDataBytes, 0);
  for (int row = 4; row < 26; ++row) levels[row * 40 + 10] = 7;
  for (int column = 10; column < 30; ++column) levels[4 * 40 + column] = 1 + column % 7;
  for (int column = 10; column < 22; ++column) levels[14 * 40 + column] = 4;
  levels[0] = 3;
  levels[1199] = 6;
  return levels;
}

struct RenderRun {
  const char* name;
  const char* flags;
  bool large, bright, markersInside;
  int dotColor;
  std::uint32_t seed;
};

void PrintTo(const RenderRun& run, std::ostream* out) { *out << run.name; }

class BatchRenderTest : public ::testing::TestWithParam<RenderRun> {};

TEST_P(BatchRenderTest, ToolWritesWhatTheProgramSaves) {
  const RenderRun& run = GetParam();
  TempFolder folder;
  WriteBytes(folder / "f.dat", FGrid());

  const std::string command = std::string(VELMORA_BUILD_DIR) + "/velmora-render " + run.flags +
                              " --seed " + std::to_string(run.seed) + " " + (folder / "f.dat") +
                              " " + (folder / "tool.bmp");
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  HWND window = MakeProgramWindow();
  HWND list = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 80, 200, window,
                              nullptr, nullptr, nullptr);
  for (const char* entry : {"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"})
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(run.dotColor), 0);
  AppState.DotColorList = list;
  headless::ScriptFileChoice(folder / "f.dat");
  OpenDepthData(window);
  AppState.LargeSize = run.large;
  AppState.Bright = run.bright;
  AppState.MarkersInside = run.markersInside;
  SetFixedCalendarSeconds(run.seed);
  RenderStereogram(window);
  ASSERT_EQ(ExportRegionToBmp(AppState.Canvas, 0, kArtTop, run.large ? 600 : 480,
                              run.large ? 466 : 376, (folder / "program.bmp").c_str()),
            1);
  UseRealCalendarClock();
  DestroyProgramWindow(window);

  const auto tool = ReadBytes(folder / "tool.bmp");
  const auto program = ReadBytes(folder / "program.bmp");
  ASSERT_EQ(tool.size(), program.size());
  const auto diff = std::mismatch(tool.begin(), tool.end(), program.begin());
  EXPECT_TRUE(diff.first == tool.end())
      << "first difference at byte " << (diff.first - tool.begin()) << ": tool " << int(*diff.first)
      << ", program " << int(*diff.second);
}

INSTANTIATE_TEST_SUITE_P(Options, BatchRenderTest,
                         ::testing::Values(RenderRun{"Normal", "", false, false, false, 5, 1234567},
                                           RenderRun{
                                               "LargeBrightInside",
                                               "--large --bright --markers-inside --dot-color 3",
                                               true, true, true, 3, 4000000000u}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
