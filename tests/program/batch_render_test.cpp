// velmora-render's picture is the program's picture: the tool's file is compared byte for byte
// with one made here by the program's own operations from the same grid, options and second.
#include <gtest/gtest.h>

#include <cstdlib>

#include "files/bitmap_export.h"
#include "files/depth_data_file.h"
#include "platform/headless/headless_file_dialogs.h"
#include "render/stereogram.h"
#include "support/temp_folder.h"
#include "unit/render_fixture.h"

using namespace testing_support;

namespace {

class BatchRenderTest : public render_testing::RenderTest {};

TEST_F(BatchRenderTest, ToolWritesWhatTheProgramSaves) {
  TempFolder folder;
  // Every level, in no symmetric order: a swapped row or column shows.
  std::vector<unsigned char> levels(kDepthDataBytes);
  for (int i = 0; i < kDepthDataBytes; ++i) levels[i] = (i % 40 / 5 + i / 120) % 8;
  WriteBytes(folder / "f.dat", levels);
  // Defaults; then every option, a dot colour and a seed above 31 bits.
  for (auto [flags, allOn, seed] :
       {std::tuple("", false, 1234567u),
        {"--large --bright --markers-inside --dot-color 3", true, 4000000000u}}) {
    const std::string command = std::string(VELMORA_BUILD_DIR) + "/velmora-render " + flags +
                                " --seed " + std::to_string(seed) + " " + (folder / "f.dat") + " " +
                                (folder / "tool.bmp");
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    SelectDotColor(allOn ? 3 : 5);
    headless::ScriptFileChoice(folder / "f.dat");
    OpenDepthData(window);
    AppState.LargeSize = AppState.Bright = AppState.MarkersInside = allOn;
    SetFixedCalendarSeconds(seed);
    RenderStereogram(window);
    ExportRegionToBmp(AppState.Canvas, 0, kArtTop, allOn ? 600 : 480, allOn ? 466 : 376,
                      (folder / "program.bmp").c_str());
    EXPECT_TRUE(ReadBytes(folder / "tool.bmp") == ReadBytes(folder / "program.bmp")) << flags;
  }
}

}  // namespace
