// The picture as a bitmap file and on the clipboard: the file's header, which rows go where, a
// failed capture, and the clipboard's copy.
#include <gtest/gtest.h>

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

constexpr COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0);

class BitmapExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = MakeProgramWindow();
    // Marks on the top row of the picture and on the bottom rows of both sizes.
    SetPixel(AppState.Canvas, 5, 360, kBlue);
    SetPixel(AppState.Canvas, 5, 735, kRed);
    SetPixel(AppState.Canvas, 7, 825, kGreen);
  }
  void TearDown() override { DestroyProgramWindow(window); }
  HWND window = nullptr;
  TempFolder folder;
};

TEST_F(BitmapExportTest, HeadersAndBottomUpRowsAtBothSizes) {
  const struct {
    std::uint32_t width, height;
    int markX;
    COLORREF bottomMark;
  } sizes[] = {{480, 376, 5, kRed}, {600, 466, 7, kGreen}};
  const int objects = raster::LiveObjectCount();
  for (const auto& s : sizes) {
    headless::ScriptFileChoice(folder / "art");
    SaveArtBitmap(window, AppState.Canvas, 0, 360, s.width, s.height);
    const auto b = ReadBytes(folder / "art.bmp");
    const std::uint32_t pixels = 4u * s.width * s.height;
    ASSERT_EQ(b.size(), 54 + pixels) << s.width;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
    // From byte 2 on, every 4 bytes: file size, reserved, pixel offset, header size, width,
    // height, planes and bits, compression, image size, resolutions and colour counts of zero.
    const std::uint32_t fields[] = {54 + pixels, 0,      54, 40, s.width, s.height, 1 | 32 << 16,
                                    0,           pixels, 0,  0,  0,       0};
    for (int i = 0, at = 2; i < 13; ++i, at += 4)
      EXPECT_EQ(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24,
                fields[i])
          << s.width << " " << i;
    // The first row stored is the rectangle's bottom row, blue-green-red; the last its top row.
    auto pixel = [&](std::size_t row, int x) {
      const std::size_t at = 54 + (row * s.width + x) * 4;
      return RGB(b[at + 2], b[at + 1], b[at]);
    };
    EXPECT_EQ(pixel(0, s.markX), s.bottomMark) << s.width;
    EXPECT_EQ(pixel(s.height - 1, 5), kBlue) << s.width;
  }
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

TEST_F(BitmapExportTest, FailedCaptureLeavesNoFileBehind) {
  const std::vector<unsigned char> old(10, 1);
  WriteBytes(folder / "old.bmp", old);
  EXPECT_EQ(WriteBmpFile((folder / "old.bmp").c_str(), nullptr), 0);
  EXPECT_EQ(WriteBmpFile((folder / "new.bmp").c_str(), nullptr), 0);
  EXPECT_EQ(ReadBytes(folder / "old.bmp"), old);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.bmp"});
}

TEST_F(BitmapExportTest, ClipboardHoldsExactlyTheRectangleOrKeepsWhatItHeld) {
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 480, 376);
  HBITMAP copy = headless::ClipboardBitmap();
  BITMAP info{};
  ASSERT_NE(GetObjectA(copy, sizeof info, &info), 0);
  EXPECT_EQ(std::tie(info.bmWidth, info.bmHeight), std::tuple(480, 376));
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ kept = SelectObject(dc, copy);
  EXPECT_EQ(GetPixel(dc, 5, 0), kBlue);
  EXPECT_EQ(GetPixel(dc, 5, 375), kRed);
  SelectObject(dc, kept);
  DeleteDC(dc);
  // Another program holds the clipboard: it keeps its contents, and the new copy is freed.
  const int objects = raster::LiveObjectCount();
  headless::HoldClipboardElsewhere(true);
  CopyArtToClipboard(window, AppState.Canvas, 0, 360, 600, 466);
  EXPECT_EQ(headless::ClipboardBitmap(), copy);
  EXPECT_EQ(raster::LiveObjectCount(), objects);
}

}  // namespace
