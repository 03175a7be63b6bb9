// The picture as a bitmap file and on the clipboard: the file's bytes, which rows go where,
// replacing files safely, and who owns the bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "canvas/app_state.h"
#include "files/bitmap_export.h"
#include "files/bmp_file.h"
#include "files/clipboard_copy.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/raster/surface.h"
#include "support/program_window.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
// The colour of pixel x in file row `row` (0 = the first row stored) of a 32-bit file.
COLORREF FilePixel(const std::vector<unsigned char>& b, int width, int row, int x) {
  const std::size_t at = 54 + (static_cast<std::size_t>(row) * width + x) * 4;
  return RGB(b[at + 2], b[at + 1], b[at]);
}

// The fields a command could change (the record has padding, so it is not compared as bytes).
auto Fields(const AppStateRecord& s) {
  return std::make_tuple(s.Canvas, s.ViewMode, s.DataSaved, s.LeftColor, s.RightColor, s.LeftDown,
                         s.RightDown, s.LargeSize, s.Bright, s.MarkersInside, s.FirstPaintDone,
                         s.ClientWidth, s.ClientHeight, s.MouseX, s.MouseY);
}

class BitmapExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = MakeProgramWindow();
    // Marks that tell the rows and the colour channels apart.
    SetPixel(AppState.Canvas, 5, 360, RGB(0, 0, 255));
    SetPixel(AppState.Canvas, 5, 735, RGB(255, 0, 0));
    SetPixel(AppState.Canvas, 7, 825, RGB(0, 255, 0));
  }
  void TearDown() override { DestroyProgramWindow(window); }

  std::vector<unsigned char> SaveAs(const std::string& typed, const std::string& written, int width,
                                    int height) {
    headless::ScriptFileChoice(typed);
    SaveArtBitmap(window, AppState.Canvas, 0, 360, width, height);
    return ReadBytes(written);
  }

  HWND window = nullptr;
  TempFolder folder;
};

TEST_F(BitmapExportTest, NormalSizeFileHeadersAndBottomUpRows) {
  const auto b = SaveAs(folder / "art", folder / "art.bmp", 480, 376);
  ASSERT_EQ(b.size(), 721974u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), 721974u);
  EXPECT_EQ(U32(b, 6), 0u);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(U32(b, 18), 480u);
  EXPECT_EQ(U32(b, 22), 376u);
  EXPECT_EQ(U16(b, 26), 1);
  EXPECT_EQ(U16(b, 28), 32);
  EXPECT_EQ(U32(b, 30), 0u);
  EXPECT_EQ(U32(b, 34), 721920u);
  for (std::size_t at = 38; at < 54; ++at) EXPECT_EQ(b[at], 0) << at;

  EXPECT_EQ(FilePixel(b, 480, 0, 5), RGB(255, 0, 0)) << "first row is Canvas row 735";
  EXPECT_EQ(FilePixel(b, 480, 375, 5), RGB(0, 0, 255)) << "last row is Canvas row 360";
  // Before any rendering: grey, with the grid's last white line on the top row.
  EXPECT_EQ(FilePixel(b, 480, 100, 100), RGB(192, 192, 192));
  EXPECT_EQ(FilePixel(b, 480, 375, 48), RGB(255, 255, 255));
  EXPECT_EQ(FilePixel(b, 480, 375, 431), RGB(255, 255, 255));
  EXPECT_EQ(FilePixel(b, 480, 375, 432), RGB(192, 192, 192));
  for (std::size_t at = 54 + 3; at < b.size(); at += 4) ASSERT_EQ(b[at], 0) << at;
}

TEST_F(BitmapExportTest, LargeSizeStartsAtTheLastCanvasRow) {
  const auto b = SaveAs(folder / "big.bmp", folder / "big.bmp", 600, 466);
  ASSERT_EQ(b.size(), 1118454u);
  EXPECT_EQ(U32(b, 18), 600u);
  EXPECT_EQ(U32(b, 22), 466u);
  EXPECT_EQ(FilePixel(b, 600, 0, 7), RGB(0, 255, 0)) << "first row is Canvas row 825";
  EXPECT_EQ(FilePixel(b, 600, 465 - 375, 5), RGB(255, 0, 0));
}

TEST_F(BitmapExportTest, ExportLeavesCanvasStateAndObjectsAsTheyWere) {
  AppState.ViewMode = VIEW_ART;
  AppState.DataSaved = 0;
  const AppStateRecord before = AppState;
  const int objects = raster::LiveObjectCount();
  const int contexts = raster::LiveContextCount();
  const COLORREF mark = CanvasPixel(5, 735);
  SaveAs(folder / "art.bmp", folder / "art.bmp", 480, 376);
  EXPECT_TRUE(Fields(before) == Fields(AppState));
  EXPECT_EQ(CanvasPixel(5, 735), mark);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
  EXPECT_EQ(raster::LiveContextCount(), contexts);
}

TEST_F(BitmapExportTest, NameWithoutAnyDotGetsBmpAndAnExistingFileIsReplaced) {
  std::filesystem::create_directory(folder.Path() / "v1.0");
  WriteBytes(folder / "old.bmp", std::vector<unsigned char>(10, 1));
  SaveAs(folder / "v1.0/art", "", 480, 376);
  SaveAs(folder / "old.bmp", "", 480, 376);
  headless::ScriptFileCancel();
  SaveArtBitmap(window, AppState.Canvas, 0, 360, 480, 376);
  EXPECT_EQ(std::filesystem::file_size(folder / "v1.0/art"), 721974u);
  EXPECT_EQ(std::filesystem::file_size(folder / "old.bmp"), 721974u);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"old.bmp", "v1.0"}));
}

TEST_F(BitmapExportTest, FailedWriteOrCaptureLeavesNoFileBehind) {
  const std::vector<unsigned char> old(10, 1);
  WriteBytes(folder / "old.bmp", old);
  std::filesystem::create_directory(folder.Path() / "taken.bmp");
  SaveAs(folder / "taken.bmp", "", 480, 376);
  SaveAs(folder / "nowhere/art.bmp", "", 480, 376);
  EXPECT_EQ(WriteBmpFile((folder / "old.bmp").c_str(), nullptr), 0);
  EXPECT_EQ(WriteBmpFile((folder / "new.bmp").c_str(), nullptr), 0);
  EXPECT_EQ(ReadBytes(folder / "old.bmp"), old);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"old.bmp", "taken.bmp"}));
}

TEST(BmpFile, ColourTableFollowsTheHeader) {
  BITMAPINFOHEADER h{};
  h.biSize = 40;
  h.biBitCount = 8;
  EXPECT_EQ(DibColorCount(h), 256);
  h.biBitCount = 1;
  EXPECT_EQ(DibColorCount(h), 2);
  h.biBitCount = 24;
  EXPECT_EQ(DibColorCount(h), 0);
  h.biClrUsed = 12;
  EXPECT_EQ(DibColorCount(h), 12);
  h.biSize = 12;  // too short to hold biClrUsed
  h.biBitCount = 4;
  EXPECT_EQ(DibColorCount(h), 16);

  // An 8-bit picture 3 x 2: the table sits between the headers and the rows.
  DibBlocks dib;
  dib.headerBytes = 40 + 4 * 256;
  dib.header.reset(new BYTE[dib.headerBytes]());
  BITMAPINFOHEADER info{};
  info.biSize = 40;
  info.biWidth = 3;
  info.biHeight = 2;
  info.biPlanes = 1;
  info.biBitCount = 8;
  info.biSizeImage = 8;
  std::memcpy(dib.header.get(), &info, sizeof info);
  dib.header[40 + 4 * 255 + 2] = 0xAB;  // red of the last table entry
  dib.pixelBytes = 8;
  dib.pixels.reset(new BYTE[8]{1, 2, 3, 0, 4, 5, 6, 0});
  std::vector<BYTE> file;
  ASSERT_EQ(BuildBmpFile(dib, &file), 1);
  ASSERT_EQ(file.size(), 14u + 1064 + 8);
  EXPECT_EQ(U32(file, 2), 1086u);
  EXPECT_EQ(U32(file, 10), 1078u);
  EXPECT_EQ(file[54 + 4 * 255 + 2], 0xAB);
  EXPECT_EQ(file[1078], 1);
  EXPECT_EQ(file[1085], 0);

  dib.pixelBytes = 7;  // fewer pixel bytes than the header claims
  EXPECT_EQ(BuildBmpFile(dib, &file), 0);
  EXPECT_TRUE(file.empty());
}

class ClipboardCopyTest : public BitmapExportTest {};

TEST_F(ClipboardCopyTest, ClipboardHoldsExactlyTheRectangle) {
  const AppStateRecord before = AppState;
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 480, 376);
  HBITMAP copy = headless::ClipboardBitmap();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(headless::ClipboardOwner(), window);
  BITMAP info{};
  ASSERT_EQ(GetObjectA(copy, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 480);
  EXPECT_EQ(info.bmHeight, 376);

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ kept = SelectObject(dc, copy);
  EXPECT_EQ(GetPixel(dc, 5, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 5, 375), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 48, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 200, 200), RGB(192, 192, 192));
  SelectObject(dc, kept);
  DeleteDC(dc);
  EXPECT_TRUE(Fields(before) == Fields(AppState));
}

TEST_F(ClipboardCopyTest, EachCopyReplacesTheLastAndNoBitmapIsLost) {
  const int objects = raster::LiveObjectCount();
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 480, 376);
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 600, 466);
  EXPECT_EQ(raster::LiveObjectCount(), objects + 1) << "the first copy was not deleted";
  HBITMAP held = headless::ClipboardBitmap();

  // Another program holds the clipboard: it keeps its contents, the new bitmap is freed.
  headless::HoldClipboardElsewhere(true);
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 480, 376);
  EXPECT_EQ(headless::ClipboardBitmap(), held);
  EXPECT_EQ(raster::LiveObjectCount(), objects + 1);
  BITMAP info{};
  GetObjectA(held, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 600);
  EXPECT_EQ(info.bmHeight, 466);
}

}  // namespace
