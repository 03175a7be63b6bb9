// The program's files: the depth data file (what a save writes, a failed save that neither
// loses the old file nor claims the grid was saved), the picture as a bitmap file and on the
// clipboard (header, row order, failed capture, the clipboard's copy), and the extension a
// chosen name gets.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <string>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "files/bitmap_export.h"
#include "files/bmp_file.h"
#include "files/clipboard_copy.h"
#include "files/depth_data_file.h"
#include "files/file_chooser.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/raster/surface.h"
#include "support/program_window_test.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0);

class ProgramFilesTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ProgramWindowTest::SetUp();
    for (int i = 0; i < kDepthDataBytes; ++i) grid[i] = (i * 7 + i / 40) % 8;
    // Marks on the top row of the picture and on the bottom rows of both sizes.
    SetPixel(AppState.Canvas, 5, 360, kBlue);
    SetPixel(AppState.Canvas, 5, 735, kRed);
    SetPixel(AppState.Canvas, 7, 825, kGreen);
  }
  // Runs a file command with path as the chooser's answer.
  void Run(void (*command)(HWND), const std::string& path) {
    headless::ScriptFileChoice(path);
    command(window);
  }
  TempFolder folder;
  std::vector<unsigned char> grid = std::vector<unsigned char>(kDepthDataBytes);
};

// Which files open, and that a refused one changes nothing, is the depth-file fuzz target's
// rule, checked there on every input.
TEST_F(ProgramFilesTest, SavedGridHoldsEachCellsLevel) {
  for (int i = 0; i < kDepthDataBytes; ++i) PaintCell(12 * (i % 40), 12 * (i / 40), grid[i]);
  SetPixel(AppState.Canvas, 6, 6, RGB(1, 2, 3));  // a centre of no depth colour saves as 0
  Run(SaveDepthData, folder / "grid");
  EXPECT_EQ(ReadBytes(folder / "grid.dat"), grid);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"grid.dat"});
}

TEST_F(ProgramFilesTest, FailedSaveOrCaptureKeepsTheOldFileLeavesNoOtherAndTheUnsavedMark) {
  const std::vector<unsigned char> old(kDepthDataBytes, 4);
  WriteBytes(folder / "grid.dat", old);
  WriteBytes(folder / "old.bmp", old);
  std::filesystem::create_directory(folder.Path() / "taken.dir");
  AppState.DataSaved = 0;
  Run(SaveDepthData, folder / "taken.dir");
  Run(SaveDepthData, folder / "nowhere/grid.dat");
  EXPECT_EQ(WriteBmpFile((folder / "old.bmp").c_str(), nullptr), 0);
  EXPECT_EQ(WriteBmpFile((folder / "new.bmp").c_str(), nullptr), 0);
  // A full disk: the file-size limit stops the write part way.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{100, saved.rlim_max};
  signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Run(SaveDepthData, folder / "grid.dat");
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(AppState.DataSaved, 0);
  EXPECT_EQ(std::pair(ReadBytes(folder / "grid.dat"), ReadBytes(folder / "old.bmp")),
            std::pair(old, old));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"grid.dat", "old.bmp", "taken.dir"}));
}

TEST_F(ProgramFilesTest, BitmapHeadersAndBottomUpRowsAtBothSizes) {
  const struct {
    std::uint32_t width, height, fileSize;
    int markX;
    COLORREF bottomMark;
  } sizes[] = {{480, 376, 721974, 5, kRed}, {600, 466, 1118454, 7, kGreen}};
  const int objects = raster::LiveObjectCount();
  for (const auto& s : sizes) {
    headless::ScriptFileChoice(folder / "art");
    SaveArtBitmap(window, AppState.Canvas, 0, 360, s.width, s.height);
    const auto b = ReadBytes(folder / "art.bmp");
    ASSERT_EQ(b.size(), s.fileSize);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
    // From byte 2 on, every 4 bytes: file size, reserved, pixel offset, header size, width,
    // height, planes and bits, compression, image size, resolutions and colour counts of zero.
    const std::uint32_t fields[] = {s.fileSize,      0, 54, 40, s.width, s.height, 1 | 32 << 16, 0,
                                    s.fileSize - 54, 0, 0,  0,  0};
    for (int i = 0, at = 2; i < 13; ++i, at += 4)
      EXPECT_EQ(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24,
                fields[i])
          << s.width << " " << i;
    // The first row stored is the rectangle's bottom row, blue-green-red-0; the last its top row.
    auto pixel = [&](std::size_t row, int x) {
      const std::size_t at = 54 + (row * s.width + x) * 4;
      return std::tuple(RGB(b[at + 2], b[at + 1], b[at]), b[at + 3]);
    };
    EXPECT_EQ(pixel(0, s.markX), std::tuple(s.bottomMark, 0)) << s.width;
    EXPECT_EQ(pixel(s.height - 1, 5), std::tuple(kBlue, 0)) << s.width;
  }
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

// The copy's pixels are compared with the saved picture in the desktop session.
TEST_F(ProgramFilesTest, ClipboardOwnsTheRectanglesCopyOrKeepsWhatItHeld) {
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 480, 376);
  HBITMAP copy = headless::ClipboardBitmap();
  BITMAP info{};
  ASSERT_NE(GetObjectA(copy, sizeof info, &info), 0);
  EXPECT_EQ(std::tie(info.bmWidth, info.bmHeight), std::tuple(480, 376));
  // Another program holds the clipboard: it keeps its contents, and the new copy is freed.
  const int objects = raster::LiveObjectCount();
  headless::HoldClipboardElsewhere(true);
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 600, 466);
  EXPECT_EQ(headless::ClipboardBitmap(), copy);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

// The default extension of the choosers' answers.
std::string Extended(std::string path, std::size_t capacity = kPathBufferBytes) {
  path.resize(std::max(capacity, path.size() + 1));
  AddExtensionIfNoDot(path.data(), capacity, ".dat");
  return path.c_str();
}

TEST(AddExtensionIfNoDot, ADotAnywhereInThePathKeepsItAsTyped) {
  EXPECT_EQ(Extended("/home/ann/grid"), "/home/ann/grid.dat");
  EXPECT_EQ(Extended("grid.txt"), "grid.txt");
  EXPECT_EQ(Extended("/home/my.work/grid"), "/home/my.work/grid");
  EXPECT_EQ(Extended("/home/ann/grid."), "/home/ann/grid.");
  EXPECT_EQ(Extended("abcd", 9), "abcd.dat");
  EXPECT_EQ(Extended("abcde", 9), "abcde") << "no room: left as it is";
}

}  // namespace
