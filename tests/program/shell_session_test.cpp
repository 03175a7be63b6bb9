// Whole runs of the program from WinMain to its exit code, played as a user: start and first
// paint, picking and painting, the unsaved-data question on every way out, the data file, the
// options, the views and their repaints, About, help and the accelerators.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/raster/surface.h"
#include "program/shell_session.h"
#include "shell/main_window.h"
#include "shell/resource_ids.h"
#include "support/temp_folder.h"

using namespace shell_testing;
using headless::DialogAction;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);

// Client points over the centre of grid cell (column, row) and of a palette swatch.
int CellX(int column) { return 8 + 12 * column + 6; }
int CellY(int row) { return 58 + 12 * row + 6; }
int SwatchX(int level) { return 108 + 16 * level + 8; }
constexpr int kSwatchY = 43;

// Every pixel of the window's client area and of the Canvas.
std::pair<std::vector<std::uint32_t>, std::vector<std::uint32_t>> AllPixels() {
  return {headless::ToWindow(MainWindow())->client.pixels,
          raster::ToDc(AppState.Canvas)->bitmap->surface.pixels};
}

// The width x height block of the client at (8,58) shows the Canvas from row `top`.
void ExpectViewShows(int top, int width, int height) {
  HDC dc = GetDC(MainWindow());
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      differing += GetPixel(dc, 8 + x, 58 + y) != GetPixel(AppState.Canvas, x, top + y);
  ReleaseDC(MainWindow(), dc);
  EXPECT_EQ(differing, 0) << "view of the Canvas from row " << top;
}

TEST(ShellSessionTest, StartBuildsWindowAndControlsPaintsOnceBeforeTheLoopAndExitsCleanly) {
  Session session;
  session.Do([] {
    HWND main = MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(headless::MenuOf(main)->id, 109);
    const headless::Window& w = *headless::ToWindow(main);
    EXPECT_EQ(std::tie(w.text, w.style, w.x, w.y, w.width, w.height, w.visible),
              std::tuple("Velmora Ver.2", WS_OVERLAPPEDWINDOW, 60, 60, 504, 486, true));
    std::vector<std::string> controls;  // class, style, text, id, position and size
    for (HWND c : headless::Children(main)) {
      const headless::Window& k = *headless::ToWindow(c);
      char line[200];
      std::snprintf(line, sizeof line, "%s %X %s %d %d,%d %dx%d", k.className.c_str(),
                    static_cast<unsigned>(k.style), k.text.c_str(), k.id, k.x, k.y, k.width,
                    k.height);
      controls.push_back(line);
      EXPECT_EQ(k.font, AppState.ControlFont);
    }
    EXPECT_EQ(controls, (std::vector<std::string>{
                            "BUTTON 50000002 大きいサイズ 201 8,8 100x20",
                            "BUTTON 50000002 明るく作図 202 110,8 100x20",
                            "STATIC 50000000 色 203 210,11 12x16",
                            "COMBOBOX 50200843 赤 204 224,8 60x160",
                            "BUTTON 50000002 マーカーを中に 205 300,8 110x20",
                            "BUTTON 50000000 ３Ｄ作図 206 414,8 74x20",
                            "BUTTON 50000000 編集画面 207 414,34 74x20",
                        }));

    // The first paint came before the loop's first message: the list filled, the water blue
    // selected, and the Canvas grey with the empty grid.
    EXPECT_EQ(headless::ToWindow(AppState.DotColorList)->entries,
              (std::vector<std::string>{"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"}));
    EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(std::tie(AppState.ViewMode, AppState.DataSaved, AppState.LeftColor,
                       AppState.RightColor, AppState.ClientWidth, AppState.ClientHeight),
              std::tuple(VIEW_EDIT, 1, 1, 2, 496, 440));
    EXPECT_EQ(GetPixel(AppState.Canvas, 599, 825), kGrey);
    EXPECT_EQ(GetPixel(AppState.Canvas, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(AppState.Canvas, 48, 5), RGB(255, 255, 255));
    ExpectViewShows(0, 480, 360);
    EXPECT_EQ(ClientPixel(492, 300), kGrey);
    EXPECT_EQ(ClientPixel(494, 54), RGB(200, 200, 200));  // the class background
    for (int level = 0; level < 8; ++level)
      EXPECT_EQ(ClientPixel(SwatchX(level), kSwatchY), DepthColorRef(level)) << level;
  });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
  EXPECT_TRUE(headless::Windows().empty());
  EXPECT_EQ(raster::LiveObjectCount(), 0);  // the font and the Canvas bitmap went with it
  EXPECT_EQ(raster::LiveContextCount(), 0);
}

TEST(ShellSessionTest, PaintingAsksOnEveryWayOutUntilOpenedOrSavedAndTheArtViewIgnoresClicks) {
  testing_support::TempFolder folder;
  std::vector<unsigned char> stored(1200);
  for (int i = 0; i < 1200; ++i) stored[i] = static_cast<unsigned char>((i / 3) % 8);
  testing_support::WriteBytes(folder / "stored.dat", stored);
  Session session;
  session
      .ClickAt(SwatchX(4), kSwatchY)  // the left button's colour
      .ClickAt(SwatchX(7), kSwatchY, true)
      .Move(CellX(10), CellY(5))
      .Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellX(10), CellY(5)))
      .Move(CellX(12), CellY(6))
      .Send(WM_LBUTTONUP)
      .Move(CellX(13), CellY(6))  // released: no longer paints
      .ClickAt(CellX(20), CellY(20), true)
      .Do([] {
        EXPECT_EQ(std::tuple(ReadCellLevel(10, 5), ReadCellLevel(12, 6), ReadCellLevel(13, 6),
                             ReadCellLevel(20, 20)),
                  std::tuple(4, 4, 0, 7));
        // A box that could not be shown answers 0: that is no consent either.
        headless::ScriptMessageBoxAnswers({IDNO, IDNO, 0, IDNO, IDYES});
      })
      .Send(WM_CLOSE)
      .Menu(IDM_EXIT)
      .Send(WM_CLOSE)
      .Menu(IDM_OPEN_DATA)
      .Click(IDC_RENDER)
      .ClickAt(SwatchX(0), kSwatchY)
      .ClickAt(CellX(8), CellY(6))
      .Do([&] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_TRUE(headless::FileChooserCalls().empty());
        EXPECT_EQ(std::tuple(AppState.DataSaved, AppState.LeftColor, ReadCellLevel(12, 6),
                             ReadCellLevel(8, 6)),
                  std::tuple(0, 4, 4, 0));
        headless::ScriptFileChoice(folder / "stored.dat");
      })
      .Menu(IDM_OPEN_DATA)  // Yes: the stored grid replaces the painted one, in the edit view
      .Do([&] {
        for (int i = 0; i < 1200; i += 37) EXPECT_EQ(ReadCellLevel(i % 40, i / 40), stored[i]) << i;
        EXPECT_EQ(std::tie(AppState.DataSaved, AppState.ViewMode), std::tuple(1, VIEW_EDIT));
        EXPECT_EQ(ClientPixel(CellX(7), CellY(2)), DepthColorRef(stored[2 * 40 + 7]));
        headless::ScriptFileChoice(folder / "grid");
      })
      .ClickAt(CellX(5), CellY(0))
      .Menu(IDM_SAVE_DATA)  // never asks
      .Menu(IDM_EXIT);      // saved: asks nothing
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::Windows().empty());
  ASSERT_EQ(headless::MessageBoxCalls().size(), 5u);
  for (const auto& box : headless::MessageBoxCalls())
    EXPECT_EQ(std::tie(box.text, box.caption, box.flags),
              std::tuple("編集中の元データが保存されていません。\n保存されていないデータは消去"
                         "します。\nよろしいですか？",
                         "Velmora", 36u));
  stored[5] = 4;
  EXPECT_EQ(testing_support::ReadBytes(folder / "grid.dat"), stored);
}

TEST(ShellSessionTest, OptionsHelpAboutAndAcceleratorsWhereverTheFocusIsAndTheDefaultHandling) {
  Session session;
  std::pair<std::vector<std::uint32_t>, std::vector<std::uint32_t>> pixels;
  session.Do([&] {
    headless::ScriptDialogActions({DialogAction::OkButton, DialogAction::Enter,
                                   DialogAction::Escape, DialogAction::CloseBox});
    pixels = AllPixels();
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
        EXPECT_TRUE(AllPixels() == pixels) << id;  // a toggle draws nothing
      });
  session.Menu(IDM_HELP_CONTENTS)
      .Menu(IDM_ABOUT)
      .AltKey('?')
      .AltKey('/', IDC_MARKERS_INSIDE)  // the check box has the focus since its clicks
      .AltKey('?', IDC_DOT_COLOR)
      .AltKey('x', IDC_MARKERS_INSIDE)
      .Do([] {
        HWND main = MainWindow();
        const auto& defaulted = headless::DefaultHandledMessages();
        for (int id : {IDC_COLOR_LABEL, 999}) {
          MainWndProc(main, WM_COMMAND, MAKEWPARAM(id, 3), 77);
          const auto& last = defaulted.back();
          EXPECT_EQ(std::tie(last.hwnd, last.message, last.wParam, last.lParam),
                    std::tuple(main, WM_COMMAND, MAKEWPARAM(id, 3), 77));
        }
        // An erase reports that it erased: the default handling's result comes back unchanged.
        HDC dc = GetDC(main);
        EXPECT_EQ(MainWndProc(main, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
        ReleaseDC(main, dc);
      });
  EXPECT_EQ(session.Run(), 0);
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const auto& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(std::tie(box.text, box.caption, box.flags),
            std::tuple("ヘルプファイルを必要とするほどの\n"
                       "難しいプログラムではないので、準備しませんでした。\n"
                       "（実は間に合わなかっただけです！）\n"
                       "使い方などはドキュメントファイルをご覧ください。",
                       "Velmora", 48u));
  std::vector<INT_PTR> results;  // of the About dialogs, in order
  for (const auto& d : headless::DialogCalls())
    results.push_back(d.templateId == IDD_ABOUT ? d.result : -2);
  EXPECT_EQ(results, (std::vector<INT_PTR>{IDOK, IDOK, IDCANCEL, IDCANCEL}));
  // Translated keys were neither translated further nor dispatched; the unmatched one was.
  int dispatchedKeys = 0;
  for (const auto& m : headless::DeliveredMessages()) dispatchedKeys += m.message == WM_SYSCHAR;
  EXPECT_EQ(dispatchedKeys, 1);
}

// The old large picture's dots beyond a small picture show only when the large region is used.
TEST(ShellSessionTest, RepaintsShowTheCurrentViewAndLargeSizeSwitchedAfterARenderUses600By466) {
  testing_support::TempFolder folder;
  Session session;
  session.ClickAt(CellX(9), CellY(9))
      .Do([] { EXPECT_TRUE(headless::PickListEntry(AppState.DotColorList, 2)); })
      .Send(WM_PAINT)
      .Do([] { EXPECT_EQ(ReadCellLevel(9, 9), 1); })  // only the first paint clears the Canvas
      .Click(IDC_RENDER)
      .Send(WM_PAINT)
      .Do([&] {
        EXPECT_EQ(AppState.ViewMode, VIEW_ART);
        ExpectViewShows(360, 480, 376);
      })
      .Click(IDC_EDIT_VIEW)
      .Do([&] {
        ExpectViewShows(0, 480, 360);
        EXPECT_EQ(ClientPixel(8, 58 + 365), kGrey);  // below the grid, the picture is gone
      })
      .Send(WM_PAINT)
      .Do([] {
        EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
        ExpectViewShows(0, 480, 360);
        EXPECT_EQ(ReadCellLevel(9, 9), 1);
        EXPECT_EQ(std::pair(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0),
                            SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0)),
                  std::pair(LRESULT{8}, LRESULT{2}));
        headless::ResizeClient(MainWindow(), 700, 600);
      })
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
        headless::ScriptMessageBoxAnswers({IDYES});
      })
      .Menu(IDM_SAVE_ART)
      .Menu(IDM_COPY_ART)
      .Click(IDC_LARGE_SIZE)
      .Do([&] { headless::ScriptFileChoice(folder / "small"); })
      .Menu(IDM_SAVE_ART);
  EXPECT_EQ(session.Run(), 0);
  for (auto [name, width, height] : {std::tuple("large.bmp", 600, 466), {"small.bmp", 480, 376}}) {
    const std::vector<unsigned char> bmp = testing_support::ReadBytes(folder / name);
    ASSERT_GE(bmp.size(), 26u) << name;
    EXPECT_EQ(std::pair(bmp[18] | bmp[19] << 8, bmp[22] | bmp[23] << 8), std::pair(width, height));
  }
  BITMAP copied{};
  GetObjectA(headless::ClipboardBitmap(), sizeof copied, &copied);
  EXPECT_EQ(std::pair(copied.bmWidth, copied.bmHeight), std::pair(600, 466));
}

}  // namespace
