// Whole runs of the program from WinMain to its exit code: start and first paint, painting and
// picking, the unsaved-data question on every way out, the data file, About, help and the
// accelerators.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
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

// "class style text id x,y widthxheight" of a control.
std::string Describe(HWND control) {
  const headless::Window& w = *headless::ToWindow(control);
  char line[200];
  std::snprintf(line, sizeof line, "%s %X %s %d %d,%d %dx%d", w.className.c_str(),
                static_cast<unsigned>(w.style), w.text.c_str(), w.id, w.x, w.y, w.width, w.height);
  return line;
}

TEST(ShellSessionTest, StartBuildsWindowAndControlsPaintsOnceBeforeTheLoopAndExitsCleanly) {
  Session session;
  session.Do([] {
    HWND main = MainWindow();
    ASSERT_NE(main, nullptr);
    const WNDCLASSEXA& wc = *headless::RegisteredClass("VELMORA2");
    EXPECT_EQ(wc.style, 3u);
    EXPECT_EQ(wc.lpfnWndProc, &MainWndProc);
    EXPECT_EQ(wc.hIcon, LoadIconA(AppState.Instance, MAKEINTRESOURCEA(131)));
    EXPECT_EQ(wc.hIconSm, LoadIconA(AppState.Instance, MAKEINTRESOURCEA(132)));
    EXPECT_EQ(headless::MenuOf(main)->id, 109);
    const headless::Window& w = *headless::ToWindow(main);
    EXPECT_EQ(std::tie(w.text, w.style, w.x, w.y, w.width, w.height, w.visible),
              std::tuple("Velmora Ver.2", WS_OVERLAPPEDWINDOW, 60, 60, 504, 486, true));

    std::vector<std::string> controls;
    for (HWND c : headless::Children(main)) {
      controls.push_back(Describe(c));
      EXPECT_EQ(headless::ToWindow(c)->font, AppState.ControlFont);
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
    LOGFONTA f;
    ASSERT_EQ(GetObjectA(AppState.ControlFont, sizeof f, &f), static_cast<int>(sizeof f));
    EXPECT_EQ(std::tuple(f.lfHeight, f.lfWidth, f.lfWeight, f.lfItalic | f.lfUnderline, f.lfCharSet,
                         f.lfOutPrecision, f.lfQuality, f.lfPitchAndFamily),
              std::tuple(12, 6, 0, 0, 128, 4, 1, 0x11));
    EXPECT_STREQ(f.lfFaceName, "ＭＳ ゴシック");

    // The first paint came before the loop's first message: the list filled once, with the
    // water blue selected, and the Canvas grey with the empty grid.
    EXPECT_EQ(headless::ToWindow(AppState.DotColorList)->entries,
              (std::vector<std::string>{"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"}));
    EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(std::tie(AppState.ClientWidth, AppState.ClientHeight), std::tuple(496, 440));
    EXPECT_EQ(std::tie(AppState.ViewMode, AppState.DataSaved, AppState.LeftColor,
                       AppState.RightColor, AppState.LargeSize, AppState.Bright),
              std::tuple(VIEW_EDIT, 1, 1, 2, 0, 0));
    EXPECT_EQ(GetPixel(AppState.Canvas, 599, 825), kGrey);
    EXPECT_EQ(GetPixel(AppState.Canvas, 540, 100), kGrey);
    EXPECT_EQ(GetPixel(AppState.Canvas, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(AppState.Canvas, 48, 5), RGB(255, 255, 255));
    // The window: the grid at (8,58), grey around it, the class background above row 56.
    EXPECT_EQ(ClientPixel(8 + 48, 58 + 5), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(492, 300), kGrey);
    EXPECT_EQ(ClientPixel(494, 54), RGB(200, 200, 200));
    for (int level = 0; level < 8; ++level)
      EXPECT_EQ(ClientPixel(SwatchX(level), kSwatchY), DepthColorRef(level)) << level;
  });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
  EXPECT_TRUE(headless::Windows().empty());
  EXPECT_EQ(raster::LiveObjectCount(), 0);  // the font and the Canvas bitmap went with it
  EXPECT_EQ(raster::LiveContextCount(), 0);
}

TEST(ShellSessionTest, PickedColoursPaintByPressAndDragAndEveryWayOutAsksUntilSaved) {
  testing_support::TempFolder folder;
  Session session;
  session.ClickAt(SwatchX(4), kSwatchY)
      .ClickAt(SwatchX(7), kSwatchY, true)
      .Do([] {
        EXPECT_EQ(std::tie(AppState.LeftColor, AppState.RightColor), std::tuple(4, 7));
        EXPECT_EQ(AppState.DataSaved, 1);  // a pick is no edit
      })
      .Move(CellX(10), CellY(5))
      .Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellX(10), CellY(5)))
      .Move(CellX(12), CellY(6))
      .Send(WM_LBUTTONUP)
      .Move(CellX(13), CellY(6))  // released: no longer paints
      .ClickAt(CellX(20), CellY(20), true)
      .Do([] {
        EXPECT_EQ(ReadCellLevel(10, 5), 4);
        EXPECT_EQ(ReadCellLevel(12, 6), 4);
        EXPECT_EQ(ReadCellLevel(13, 6), 0);
        EXPECT_EQ(ReadCellLevel(20, 20), 7);
        EXPECT_EQ(ClientPixel(CellX(12), CellY(6)), DepthColorRef(4));
        EXPECT_EQ(AppState.DataSaved, 0);
        // A box that could not be shown answers 0: that is no consent either.
        headless::ScriptMessageBoxAnswers({IDNO, IDNO, 0});
      })
      .Send(WM_CLOSE)
      .Menu(IDM_EXIT)
      .Send(WM_CLOSE)
      .Do([&] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_EQ(ReadCellLevel(12, 6), 4);
        headless::ScriptFileChoice(folder / "grid");
      })
      .Menu(IDM_SAVE_DATA)  // never asks
      .Menu(IDM_EXIT);      // saved: asks nothing
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::Windows().empty());
  ASSERT_EQ(headless::MessageBoxCalls().size(), 3u);
  for (const auto& box : headless::MessageBoxCalls())
    EXPECT_EQ(std::tie(box.text, box.caption, box.flags),
              std::tuple("編集中の元データが保存されていません。\n保存されていないデータは消去"
                         "します。\nよろしいですか？",
                         "Velmora", 36u));
  const auto bytes = testing_support::ReadBytes(folder / "grid.dat");
  ASSERT_EQ(bytes.size(), 1200u);
  EXPECT_EQ(bytes[20 * 40 + 20], 7);
}

TEST(ShellSessionTest, OpeningOverUnsavedDataAsksFirstAndTheArtViewIgnoresPicksAndPaint) {
  testing_support::TempFolder folder;
  std::vector<unsigned char> stored(1200);
  for (int i = 0; i < 1200; ++i) stored[i] = static_cast<unsigned char>((i / 3) % 8);
  testing_support::WriteBytes(folder / "stored.dat", stored);

  Session session;
  session.Do([&] { headless::ScriptFileChoice(folder / "stored.dat"); })
      .ClickAt(CellX(5), CellY(0))
      .Menu(IDM_OPEN_DATA)  // No: no chooser, nothing changes
      .Do([] {
        EXPECT_TRUE(headless::FileChooserCalls().empty());
        EXPECT_EQ(ReadCellLevel(5, 0), 1);
        EXPECT_EQ(AppState.DataSaved, 0);
        headless::ScriptMessageBoxAnswers({IDYES});
      })
      .Click(IDC_RENDER)
      .ClickAt(SwatchX(0), kSwatchY)
      .ClickAt(CellX(8), CellY(6))
      .Do([] {
        EXPECT_EQ(AppState.LeftColor, 1);
        EXPECT_EQ(ReadCellLevel(8, 6), 0);
      })
      .Menu(IDM_OPEN_DATA)  // Yes: the stored grid replaces the painted one
      .Do([&] {
        ASSERT_EQ(headless::FileChooserCalls().size(), 1u);
        for (int i = 0; i < 1200; i += 37) EXPECT_EQ(ReadCellLevel(i % 40, i / 40), stored[i]) << i;
        EXPECT_EQ(std::tie(AppState.DataSaved, AppState.ViewMode), std::tuple(1, VIEW_EDIT));
        EXPECT_EQ(ClientPixel(CellX(7), CellY(2)), DepthColorRef(stored[2 * 40 + 7]));
      })
      .Menu(IDM_OPEN_DATA)  // saved: no question, and a cancelled chooser changes nothing
      .Do([&] { EXPECT_EQ(ReadCellLevel(7, 2), stored[2 * 40 + 7]); });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_EQ(headless::MessageBoxCalls().size(), 2u);
  EXPECT_EQ(headless::FileChooserCalls().size(), 2u);
}

TEST(ShellSessionTest, HelpNoticeAndAboutFromTheMenuAndBothAcceleratorsWhereverTheFocusIs) {
  Session session;
  session
      .Do([] {
        headless::ScriptDialogActions({DialogAction::OkButton, DialogAction::Enter,
                                       DialogAction::Escape, DialogAction::CloseBox});
      })
      .Menu(IDM_HELP_CONTENTS)
      .Menu(IDM_ABOUT)
      .AltKey('?')
      .Click(IDC_MARKERS_INSIDE)  // the check box now has the focus
      .AltKey('/', IDC_MARKERS_INSIDE)
      .AltKey('?', IDC_DOT_COLOR)
      .AltKey('x', IDC_MARKERS_INSIDE);
  EXPECT_EQ(session.Run(), 0);
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const auto& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(std::tie(box.text, box.caption, box.flags),
            std::tuple("ヘルプファイルを必要とするほどの\n"
                       "難しいプログラムではないので、準備しませんでした。\n"
                       "（実は間に合わなかっただけです！）\n"
                       "使い方などはドキュメントファイルをご覧ください。",
                       "Velmora", 48u));
  const auto& dialogs = headless::DialogCalls();
  ASSERT_EQ(dialogs.size(), 4u);
  const INT_PTR results[] = {IDOK, IDOK, IDCANCEL, IDCANCEL};
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    EXPECT_EQ(std::tie(dialogs[i].templateId, dialogs[i].initParam, dialogs[i].result),
              std::tuple(IDD_ABOUT, 0, results[i]))
        << i;
    EXPECT_NE(dialogs[i].owner, nullptr);
  }
  EXPECT_EQ(AppState.MarkersInside, 1);
  // Translated keys were neither translated further nor dispatched; the unmatched one was.
  int dispatchedKeys = 0;
  for (const auto& m : headless::DeliveredMessages()) dispatchedKeys += m.message == WM_SYSCHAR;
  EXPECT_EQ(dispatchedKeys, 1);
}

}  // namespace
