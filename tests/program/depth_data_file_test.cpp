// The depth data file: saving and opening through the choosers, what is accepted, and that a
// failed save neither loses the old file nor claims the grid was saved.
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
  for (int i = 0; i < kDepthDataBytes; ++i)
    bytes[i] = static_cast<unsigned char>((i * 7 + i / 40) % 8);
  return bytes;
}

class DepthDataFileTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }

  void Open(const std::string& path) {
    headless::ScriptFileChoice(path);
    OpenDepthData(window);
  }
  void Save(const std::string& path) {
    headless::ScriptFileChoice(path);
    SaveDepthData(window);
  }
  std::vector<int> Levels() {
    std::vector<int> levels;
    for (int row = 0; row < kGridRows; ++row)
      for (int column = 0; column < kGridColumns; ++column)
        levels.push_back(ReadCellLevel(column, row));
    return levels;
  }

  HWND window = nullptr;
  TempFolder folder;
};

TEST_F(DepthDataFileTest, SavedGridOpensAgainCellForCell) {
  const auto bytes = GridBytes();
  for (int i = 0; i < kDepthDataBytes; ++i) PaintCell(12 * (i % 40), 12 * (i / 40), bytes[i]);
  AppState.DataSaved = 0;
  AppState.ViewMode = VIEW_ART;  // saving works the same while the picture is shown
  Save(folder / "grid");
  EXPECT_EQ(ReadBytes(folder / "grid.dat"), bytes);
  EXPECT_EQ(AppState.DataSaved, 1);
  EXPECT_EQ(AppState.ViewMode, VIEW_ART);

  DrawEmptyGrid();
  Open(folder / "grid.dat");
  const auto levels = Levels();
  EXPECT_TRUE(std::equal(levels.begin(), levels.end(), bytes.begin()));
  EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
  // The grid was shown at the EditArea origin; its lines were left as they were.
  EXPECT_EQ(ClientPixel(window, 8 + 12 * 5 + 6, 58 + 6), CanvasPixel(12 * 5 + 6, 6));
  EXPECT_EQ(CanvasPixel(48, 100), RGB(255, 255, 255));
}

TEST_F(DepthDataFileTest, FreshGridSavesAsZeros) {
  Save(folder / "empty.dat");
  EXPECT_EQ(ReadBytes(folder / "empty.dat"), std::vector<unsigned char>(kDepthDataBytes, 0));
}

TEST_F(DepthDataFileTest, ACentreOfNoDepthColourSavesAsLevelZero) {
  PaintCell(0, 0, 5);
  SetPixel(AppState.Canvas, 6, 6, RGB(1, 2, 3));
  Save(folder / "odd.dat");
  EXPECT_EQ(ReadBytes(folder / "odd.dat")[0], 0);
}

TEST_F(DepthDataFileTest, OnlyTheFirst1200BytesOfAFileOfDepthLevelsAreRead) {
  struct Case {
    std::size_t size;
    unsigned char last;  // the file's last byte
    bool accepted;
  };
  const Case cases[] = {{0, 0, false},     {1199, 3, false}, {1200, 3, true},
                        {1201, 200, true}, {1200, 8, false}, {1200, 255, false}};
  for (const Case& c : cases) {
    auto bytes = GridBytes();
    bytes.resize(c.size, 6);
    if (!bytes.empty()) bytes.back() = c.last;
    WriteBytes(folder / "in.dat", bytes);
    DrawEmptyGrid();
    AppState.DataSaved = 0;
    AppState.ViewMode = VIEW_ART;

    headless::ScriptFileChoice(folder / "in.dat");
    unsigned char buffer[kDepthDataBytes];
    EXPECT_EQ(ChooseAndReadData(window, buffer, kDepthDataBytes), c.accepted ? 1 : -1) << c.size;
    Open(folder / "in.dat");
    EXPECT_EQ(AppState.DataSaved, c.accepted ? 1 : 0) << c.size;
    EXPECT_EQ(AppState.ViewMode, c.accepted ? VIEW_EDIT : VIEW_ART) << c.size;
    // A refused file paints nothing at all, not even the cells before the bad byte.
    EXPECT_EQ(ReadCellLevel(1, 0), c.accepted ? GridBytes()[1] : 0) << c.size;
  }
}

TEST_F(DepthDataFileTest, CancelledOrMissingFileChangesNothing) {
  unsigned char buffer[kDepthDataBytes];
  EXPECT_EQ(ChooseAndReadData(window, buffer, kDepthDataBytes), 0) << "unscripted: cancelled";
  headless::ScriptFileChoice(folder / "missing.dat");
  EXPECT_EQ(ChooseAndReadData(window, buffer, kDepthDataBytes), -1);
  headless::ScriptFileChoice(folder.Path().string());  // a folder is no data file
  EXPECT_EQ(ChooseAndReadData(window, buffer, kDepthDataBytes), -1);
  headless::ScriptFileCancel();
  EXPECT_EQ(ChooseAndWriteData(window, buffer, kDepthDataBytes), 0);
  EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(DepthDataFileTest, ExtensionIsAddedOnlyWhenThePathHasNoDotAtAll) {
  std::filesystem::create_directory(folder.Path() / "my.work");
  Save(folder / "grid");
  Save(folder / "grid.txt");
  Save(folder / "my.work/grid");
  Save(folder / "trailing.");
  EXPECT_TRUE(std::filesystem::exists(folder / "grid.dat"));
  EXPECT_TRUE(std::filesystem::exists(folder / "grid.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder / "my.work/grid"));
  EXPECT_TRUE(std::filesystem::exists(folder / "trailing."));
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{"grid.dat", "grid.txt", "my.work", "trailing."}));
}

TEST_F(DepthDataFileTest, SaveReplacesAnExistingFileWithoutLeavingATemporaryOne) {
  WriteBytes(folder / "grid.dat", std::vector<unsigned char>(5000, 7));
  Save(folder / "grid.dat");
  EXPECT_EQ(ReadBytes(folder / "grid.dat"), std::vector<unsigned char>(kDepthDataBytes, 0));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"grid.dat"});
}

TEST_F(DepthDataFileTest, FailedSaveKeepsTheOldFileAndTheUnsavedMark) {
  const std::vector<unsigned char> old(kDepthDataBytes, 4);
  WriteBytes(folder / "grid.dat", old);
  std::filesystem::create_directory(folder.Path() / "taken.dir");
  PaintCell(60, 0, 3);
  AppState.DataSaved = 0;
  unsigned char buffer[kDepthDataBytes] = {};

  // The target is a folder; the folder of the target does not exist.
  for (const std::string& target : {folder / "taken.dir", folder / "nowhere/grid.dat"}) {
    headless::ScriptFileChoice(target);
    EXPECT_EQ(ChooseAndWriteData(window, buffer, kDepthDataBytes), -1) << target;
    Save(target);
    EXPECT_EQ(AppState.DataSaved, 0) << target;
  }

  // A full disk: the file-size limit stops the write part way.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  headless::ScriptFileChoice(folder / "grid.dat");
  const int result = ChooseAndWriteData(window, buffer, kDepthDataBytes);
  Save(folder / "grid.dat");
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(AppState.DataSaved, 0);

  EXPECT_EQ(ReadBytes(folder / "grid.dat"), old);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"grid.dat", "taken.dir"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "taken.dir"));
}

}  // namespace
