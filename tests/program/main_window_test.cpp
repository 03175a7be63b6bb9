// The main window procedure inside a running program: what reaches the default handling, the
// views and their repaints, the options, the size of the picture region, and the paints and
// sizes that arrive while a box is open.
#include <gtest/gtest.h>

#include <cstring>

#include "canvas/canvas.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
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

// Every pixel of the width x height block of the client at (8,58) equals the Canvas's at
// (0, top).
void ExpectViewShows(int top, int width, int height) {
  HDC dc = GetDC(MainWindow());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (GetPixel(dc, 8 + x, 58 + y) != GetPixel(AppState.Canvas, x, top + y)) {
        ADD_FAILURE() << "view pixel " << x << "," << y << " differs from Canvas row " << top + y;
        ReleaseDC(MainWindow(), dc);
        return;
      }
  ReleaseDC(MainWindow(), dc);
}

TEST(MainWindowTest, LabelAndUnknownCommandsAndUnhandledMessagesGoToTheDefaultHandling) {
  Session session;
  session.Do([] {
    HWND main = MainWindow();
    const auto before = headless::DefaultHandledMessages().size();
    const struct {
      UINT message;
      WPARAM wParam;
      LPARAM lParam;
    } passed[] = {{WM_COMMAND, MAKEWPARAM(IDC_COLOR_LABEL, 0), 0},
                  {WM_COMMAND, MAKEWPARAM(999, 3), 77},
                  {WM_COMMAND, 0, 0},
                  {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 100)},
                  {WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(100, 100)}};
    for (const auto& p : passed) EXPECT_EQ(MainWndProc(main, p.message, p.wParam, p.lParam), 0);
    const auto& defaulted = headless::DefaultHandledMessages();
    ASSERT_EQ(defaulted.size(), before + 5);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(defaulted[before + i].hwnd, main);
      EXPECT_EQ(defaulted[before + i].message, passed[i].message);
      EXPECT_EQ(defaulted[before + i].wParam, passed[i].wParam);
      EXPECT_EQ(defaulted[before + i].lParam, passed[i].lParam);
    }
    // The default handling's result comes back unchanged: an erase reports that it erased.
    HDC dc = GetDC(main);
    EXPECT_EQ(MainWndProc(main, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(main, dc);
    // A double click paints nothing and changes nothing.
    EXPECT_EQ(AppState.DataSaved, 1);
    // Handled commands never reach it, whatever their notification code.
    const auto handled = headless::DefaultHandledMessages().size();
    EXPECT_EQ(MainWndProc(main, WM_COMMAND, MAKEWPARAM(IDC_BRIGHT, 0x1234), 0), 0);
    EXPECT_EQ(MainWndProc(main, WM_COMMAND, MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE), 0), 0);
    EXPECT_EQ(headless::DefaultHandledMessages().size(), handled);
    EXPECT_EQ(AppState.Bright, 1);
  });
  EXPECT_EQ(session.Run(), 0);
}

TEST(MainWindowTest, OptionsToggledTwiceEndUnsetAndUncheckedAndDrawNothing) {
  Session session;
  std::vector<std::uint32_t> client, canvas;
  session.Do([&] {
    client = ClientPixels();
    canvas = CanvasPixels();
  });
  const struct {
    int id;
    std::int32_t AppStateRecord::*flag;
    HWND AppStateRecord::*box;
  } options[] = {
      {IDC_LARGE_SIZE, &AppStateRecord::LargeSize, &AppStateRecord::LargeSizeBox},
      {IDC_BRIGHT, &AppStateRecord::Bright, &AppStateRecord::BrightBox},
      {IDC_MARKERS_INSIDE, &AppStateRecord::MarkersInside, &AppStateRecord::MarkersInsideBox}};
  for (const auto& o : options) {
    session.Click(o.id).Do([&] {
      EXPECT_EQ(AppState.*o.flag, 1) << o.id;
      EXPECT_EQ(SendMessageA(AppState.*o.box, BM_GETCHECK, 0, 0), BST_CHECKED) << o.id;
    });
    session.Click(o.id).Do([&] {
      EXPECT_EQ(AppState.*o.flag, 0) << o.id;
      EXPECT_EQ(SendMessageA(AppState.*o.box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << o.id;
      EXPECT_TRUE(ClientPixels() == client) << o.id;
      EXPECT_TRUE(CanvasPixels() == canvas) << o.id;
    });
  }
  EXPECT_EQ(session.Run(), 0);
}

TEST(MainWindowTest, RepaintsShowTheCurrentViewAndKeepCellsListAndSelection) {
  Session session;
  std::vector<std::uint32_t> art, client;
  session.LeftClickAt(8 + 12 * 9 + 6, 58 + 12 * 9 + 6)
      .Do([&] { client = ClientPixels(); })
      .PickDotColor(2)
      .Do([&] { EXPECT_TRUE(ClientPixels() == client); })  // a new dot colour waits for a render
      .Send(WM_PAINT)
      .Do([] {
        EXPECT_EQ(ReadCellLevel(9, 9), 1);  // only the first paint clears the Canvas
        EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8);
        EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 2);
        ExpectViewShows(0, 480, 360);
      })
      .Click(IDC_RENDER)
      .Do([] { ExpectViewShows(360, 480, 376); })
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
      .Do([] {
        EXPECT_EQ(AppState.LargeSize, 1);
        ExpectViewShows(360, 600, 466);
        EXPECT_NE(ClientPixel(8 + 590, 58 + 200), kGrey);
        EXPECT_EQ(ClientPixel(8 + 600, 58 + 100), kGrey);
        EXPECT_EQ(ClientPixel(100, 58 + 466), kGrey);
      })
      .Do([&] { headless::ScriptFileChoice(folder / "picture"); })
      .Menu(IDM_SAVE_ART)
      .Menu(IDM_COPY_ART)
      .Click(IDC_LARGE_SIZE)
      .Do([&] { headless::ScriptFileChoice(folder / "small.bmp"); })
      .Menu(IDM_SAVE_ART);
  EXPECT_EQ(session.Run(), 0);

  auto size = [](const std::vector<unsigned char>& bmp) {
    std::int32_t width = 0, height = 0;
    if (bmp.size() < 26) return std::pair(0, 0);
    std::memcpy(&width, &bmp[18], 4);
    std::memcpy(&height, &bmp[22], 4);
    return std::pair(width, height);
  };
  EXPECT_EQ(size(testing_support::ReadBytes(folder / "picture.bmp")), std::pair(600, 466));
  EXPECT_EQ(size(testing_support::ReadBytes(folder / "small.bmp")), std::pair(480, 376));
  BITMAP copied{};
  ASSERT_NE(headless::ClipboardBitmap(), nullptr);
  GetObjectA(headless::ClipboardBitmap(), sizeof copied, &copied);
  EXPECT_EQ(copied.bmWidth, 600);
  EXPECT_EQ(copied.bmHeight, 466);
}

TEST(MainWindowTest, PaintAndSizeArriveWhileTheQuestionIsOpen) {
  Session session;
  session.LeftClickAt(8 + 12 * 9 + 6, 58 + 12 * 9 + 6).Do([] {
    headless::SetMessageBoxResponder([](const headless::MessageBoxCall&) {
      // The user drags the frame while the question waits; the window repaints at once.
      headless::ResizeClient(MainWindow(), 640, 520);
      EXPECT_EQ(AppState.ClientWidth, 640);
      EXPECT_EQ(AppState.ClientHeight, 520);
      SendMessageA(MainWindow(), WM_PAINT, 0, 0);
      EXPECT_EQ(ClientPixel(630, 510), kGrey);
      EXPECT_EQ(ClientPixel(8 + 12 * 9 + 6, 58 + 12 * 9 + 6), DepthColorRef(1));
      return IDYES;
    });
  });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_EQ(headless::MessageBoxCalls().size(), 1u);
}

TEST(MainWindowTest, AMinimisedWindowsZeroSizeGreyFillCoversNothing) {
  Session session;
  session.Do([] { headless::ResizeClient(MainWindow(), 640, 520); })
      .Move(0, 0)  // the resize's own repaint comes before the next input
      .Do([] {
        HDC dc = GetDC(MainWindow());
        SetPixel(dc, 600, 300, RGB(255, 0, 0));
        ReleaseDC(MainWindow(), dc);
      })
      .Send(WM_SIZE, 1 /* SIZE_MINIMIZED */, 0)
      .Send(WM_PAINT)
      .Do([] {
        EXPECT_EQ(AppState.ClientWidth, 0);
        EXPECT_EQ(AppState.ClientHeight, 0);
        EXPECT_EQ(ClientPixel(600, 300), RGB(255, 0, 0));
        ExpectViewShows(0, 480, 360);
      });
  EXPECT_EQ(session.Run(), 0);
}

}  // namespace
