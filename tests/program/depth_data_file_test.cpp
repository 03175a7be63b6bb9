// The depth data file: a save and open round trip, which files are accepted, and that a failed
// save neither loses the old file nor claims the grid was saved.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "files/depth_data_file.h"
#include "platform/headless/headless_file_dialogs.h"
#include "support/program_window.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

std::vector<unsigned char> GridBytes() {
  std::vector<unsigned char> bytes(kDepthDataBytes);
  for (int i = 0; i < kDepthDataBytes; ++i) bytes[i] = (i * 7 + i / 40) % 8;
  return bytes;
}

class DepthDataFileTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }
  // Runs OpenDepthData or SaveDepthData with path as the chooser's answer.
  void Run(void (*command)(HWND), const std::string& path) {
    headless::ScriptFileChoice(path);
    command(window);
  }
  HWND window = nullptr;
  TempFolder folder;
};

TEST_F(DepthDataFileTest, SavedGridOpensAgainCellForCell) {
  const auto bytes = GridBytes();
  for (int i = 0; i < kDepthDataBytes; ++i) PaintCell(12 * (i % 40), 12 * (i / 40), bytes[i]);
  SetPixel(AppState.Canvas, 6, 6, RGB(1, 2, 3));  // a centre of no depth colour saves as 0
  Run(SaveDepthData, folder / "grid");
  EXPECT_EQ(ReadBytes(folder / "grid.dat"), bytes);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"grid.dat"});

  DrawEmptyGrid();
  Run(OpenDepthData, folder / "grid.dat");
  for (int i = 0; i < kDepthDataBytes; ++i) ASSERT_EQ(ReadCellLevel(i % 40, i / 40), bytes[i]) << i;
}

TEST_F(DepthDataFileTest, OnlyTheFirst1200BytesAreReadAndAByteAbove7RefusesTheWholeFile) {
  const struct {
    std::size_t size;
    unsigned char last;  // the file's last byte
    bool accepted;
  } cases[] = {{1199, 3, false}, {1200, 3, true}, {1201, 200, true}, {1200, 8, false}};
  for (const auto& c : cases) {
    auto bytes = GridBytes();
    bytes.resize(c.size, 6);
    bytes.back() = c.last;
    WriteBytes(folder / "in.dat", bytes);
    DrawEmptyGrid();
    AppState.DataSaved = 0;
    AppState.ViewMode = VIEW_ART;
    Run(OpenDepthData, folder / "in.dat");
    EXPECT_EQ(AppState.DataSaved, c.accepted ? 1 : 0) << c.size;
    EXPECT_EQ(AppState.ViewMode, c.accepted ? VIEW_EDIT : VIEW_ART) << c.size;
    // A refused file paints nothing, not even the cells before the bad byte.
    EXPECT_EQ(ReadCellLevel(1, 0), c.accepted ? bytes[1] : 0) << c.size;
    EXPECT_EQ(ReadCellLevel(39, 29), c.accepted ? bytes[1199] : 0) << c.size;
  }
}

TEST_F(DepthDataFileTest, FailedSaveKeepsTheOldFileAndTheUnsavedMark) {
  const std::vector<unsigned char> old(kDepthDataBytes, 4);
  WriteBytes(folder / "grid.dat", old);
  std::filesystem::create_directory(folder.Path() / "taken.dir");
  AppState.DataSaved = 0;
  Run(SaveDepthData, folder / "taken.dir");
  Run(SaveDepthData, folder / "nowhere/grid.dat");
  // A full disk: the file-size limit stops the write part way.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{100, saved.rlim_max};
  signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Run(SaveDepthData, folder / "grid.dat");
  setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_EQ(AppState.DataSaved, 0);
  EXPECT_EQ(ReadBytes(folder / "grid.dat"), old);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"grid.dat", "taken.dir"}));
}

}  // namespace
