// The main window procedure inside a running program: what reaches the default handling, the
// options, the views and their repaints, and the size of the picture region.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/cell_grid.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/raster/surface.h"
#include "program/shell_session.h"
#include "shell/main_window.h"
#include "shell/resource_ids.h"
#include "support/temp_folder.h"

using namespace shell_testing;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);

std::vector<std::uint32_t> ClientPixels() {
  return headless::ToWindow(MainWindow())->client.pixels;
}
std::vector<std::uint32_t> CanvasPixels() {
  return raster::ToDc(AppState.Canvas)->bitmap->surface.pixels;
}

// The width x height block of the client at (8,58) shows the Canvas from (0, top).
void ExpectViewShows(int top, int width, int height) {
  HDC dc = GetDC(MainWindow());
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      differing += GetPixel(dc, 8 + x, 58 + y) != GetPixel(AppState.Canvas, x, top + y);
  ReleaseDC(MainWindow(), dc);
  EXPECT_EQ(differing, 0) << "view of Canvas row " << top;
}

TEST(MainWindowTest, TheLabelAndUnknownCommandsGoToTheDefaultHandlingWithItsResult) {
  Session session;
  session.Do([] {
    HWND main = MainWindow();
    const auto& defaulted = headless::DefaultHandledMessages();
    const std::size_t before = defaulted.size();
    EXPECT_EQ(MainWndProc(main, WM_COMMAND, MAKEWPARAM(IDC_COLOR_LABEL, 0), 0), 0);
    EXPECT_EQ(MainWndProc(main, WM_COMMAND, MAKEWPARAM(999, 3), 77), 0);
    ASSERT_EQ(defaulted.size(), before + 2);
    EXPECT_EQ(std::tie(defaulted[before].hwnd, defaulted[before].wParam),
              std::tuple(main, MAKEWPARAM(IDC_COLOR_LABEL, 0)));
    EXPECT_EQ(std::tie(defaulted[before + 1].message, defaulted[before + 1].wParam,
                       defaulted[before + 1].lParam),
              std::tuple(WM_COMMAND, MAKEWPARAM(999, 3), 77));
    // An erase reports that it erased: the default handling's result comes back unchanged.
    HDC dc = GetDC(main);
    EXPECT_EQ(MainWndProc(main, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(main, dc);
    // Handled commands never reach it, whatever their notification code.
    const std::size_t handled = defaulted.size();
    MainWndProc(main, WM_COMMAND, MAKEWPARAM(IDC_BRIGHT, 0x1234), 0);
    MainWndProc(main, WM_COMMAND, MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE), 0);
    EXPECT_EQ(defaulted.size(), handled);
    EXPECT_EQ(AppState.Bright, 1);
  });
  EXPECT_EQ(session.Run(), 0);
}

TEST(MainWindowTest, EachOptionToggledTwiceSetsThenClearsFlagAndMarkAndDrawsNothing) {
  Session session;
  std::vector<std::uint32_t> client, canvas;
  session.Do([&] {
    client = ClientPixels();
    canvas = CanvasPixels();
  });
  const std::pair<int, std::int32_t AppStateRecord::*> options[] = {
      {IDC_LARGE_SIZE, &AppStateRecord::LargeSize},
      {IDC_BRIGHT, &AppStateRecord::Bright},
      {IDC_MARKERS_INSIDE, &AppStateRecord::MarkersInside}};
  for (const auto& option : options)
    for (int expected : {1, 0})
      session.Click(option.first).Do([&, id = option.first, flag = option.second, expected] {
        EXPECT_EQ(AppState.*flag, expected) << id;
        EXPECT_EQ(SendMessageA(Control(id), BM_GETCHECK, 0, 0), expected) << id;
        EXPECT_TRUE(ClientPixels() == client && CanvasPixels() == canvas) << id;
      });
  EXPECT_EQ(session.Run(), 0);
}

TEST(MainWindowTest, RepaintsShowTheCurrentViewAndKeepCellsAndTheListSelection) {
  Session session;
  std::vector<std::uint32_t> art, client;
  session.ClickAt(8 + 12 * 9 + 6, 58 + 12 * 9 + 6)
      .Do([&] {
        client = ClientPixels();
        EXPECT_TRUE(headless::PickListEntry(AppState.DotColorList, 2));
        EXPECT_TRUE(ClientPixels() == client);  // a new dot colour waits for a render
      })
      .Send(WM_PAINT)
      .Do([] {
        EXPECT_EQ(ReadCellLevel(9, 9), 1);  // only the first paint clears the Canvas
        ExpectViewShows(0, 480, 360);
      })
      .Click(IDC_RENDER)
      .Send(WM_PAINT)
      .Do([&] {
        EXPECT_EQ(AppState.ViewMode, VIEW_ART);
        ExpectViewShows(360, 480, 376);
        art = CanvasPixels();
      })
      .Click(IDC_EDIT_VIEW)
      .Do([&] {
        EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
        ExpectViewShows(0, 480, 360);
        EXPECT_EQ(ClientPixel(8, 58 + 365), kGrey);  // below the grid, the picture is gone
        EXPECT_TRUE(CanvasPixels() == art);          // but still in the ArtArea
      })
      .Send(WM_PAINT)
      .Do([] {
        ExpectViewShows(0, 480, 360);
        EXPECT_EQ(ReadCellLevel(9, 9), 1);
        EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8);
        EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 2);
        headless::ScriptMessageBoxAnswers({IDYES});
      });
  EXPECT_EQ(session.Run(), 0);
}

// The old large picture's dots beyond a small picture show only when the large region is used.
TEST(MainWindowTest, LargeSizeSwitchedAfterARenderMakesRepaintSaveAndCopyUse600By466) {
  testing_support::TempFolder folder;
  Session session;
  session.Do([] { headless::ResizeClient(MainWindow(), 700, 600); })
      .Click(IDC_LARGE_SIZE)
      .Click(IDC_RENDER)
      .Click(IDC_LARGE_SIZE)
      .Click(IDC_RENDER)
      .Click(IDC_LARGE_SIZE)
      .Send(WM_PAINT)
      .Do([&] {
        ExpectViewShows(360, 600, 466);
        EXPECT_NE(ClientPixel(8 + 590, 58 + 200), kGrey);
        EXPECT_EQ(ClientPixel(8 + 600, 58 + 100), kGrey);
        EXPECT_EQ(ClientPixel(100, 58 + 466), kGrey);
        headless::ScriptFileChoice(folder / "large");
      })
      .Menu(IDM_SAVE_ART)
      .Menu(IDM_COPY_ART)
      .Click(IDC_LARGE_SIZE)
      .Do([&] { headless::ScriptFileChoice(folder / "small"); })
      .Menu(IDM_SAVE_ART);
  EXPECT_EQ(session.Run(), 0);

  auto size = [](const std::string& path) {
    const std::vector<unsigned char> bmp = testing_support::ReadBytes(path);
    std::int32_t wh[2] = {};
    if (bmp.size() >= 26) std::memcpy(wh, &bmp[18], 8);
    return std::pair(wh[0], wh[1]);
  };
  EXPECT_EQ(size(folder / "large.bmp"), std::pair(600, 466));
  EXPECT_EQ(size(folder / "small.bmp"), std::pair(480, 376));
  BITMAP copied{};
  ASSERT_NE(headless::ClipboardBitmap(), nullptr);
  GetObjectA(headless::ClipboardBitmap(), sizeof copied, &copied);
  EXPECT_EQ(std::pair(copied.bmWidth, copied.bmHeight), std::pair(600, 466));
}

}  // namespace
