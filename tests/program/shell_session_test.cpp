// Whole runs of the program from WinMain to its exit code: start and first paint, painting,
// the unsaved-data question on every way out, the data file, About, help and accelerators.
#include <gtest/gtest.h>

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
constexpr const char* kDiscardQuestion =
    "編集中の元データが保存されていません。\n保存されていないデータは消去します。\n"
    "よろしいですか？";

// Client point over the centre of grid cell (column, row).
int CellX(int column) { return 8 + 12 * column + 6; }
int CellY(int row) { return 58 + 12 * row + 6; }

TEST(ShellSessionTest, StartRegistersCreatesAndPaintsBeforeTheLoopAndCloseEndsWithZero) {
  Session session;
  session.Do([] {
    HWND main = MainWindow();
    ASSERT_NE(main, nullptr);
    const WNDCLASSEXA* wc = headless::RegisteredClass("VELMORA2");
    ASSERT_NE(wc, nullptr);
    EXPECT_EQ(wc->cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(wc->style, 3u);
    EXPECT_EQ(wc->lpfnWndProc, &MainWndProc);
    EXPECT_EQ(wc->cbClsExtra | wc->cbWndExtra, 0);
    EXPECT_EQ(wc->hInstance, AppState.Instance);
    EXPECT_EQ(wc->hIcon, LoadIconA(AppState.Instance, MAKEINTRESOURCEA(131)));
    EXPECT_EQ(wc->hIconSm, LoadIconA(AppState.Instance, MAKEINTRESOURCEA(132)));
    EXPECT_NE(wc->hIcon, wc->hIconSm);
    EXPECT_EQ(wc->hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(wc->hbrBackground), 1u);
    EXPECT_EQ(wc->lpszMenuName, MAKEINTRESOURCEA(109));

    const headless::Window& w = *headless::ToWindow(main);
    EXPECT_EQ(w.text, "Velmora Ver.2");
    EXPECT_EQ(w.style, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ((std::array<int, 4>{w.x, w.y, w.width, w.height}),
              (std::array<int, 4>{60, 60, 504, 486}));
    EXPECT_TRUE(w.visible);
    ASSERT_NE(headless::MenuOf(main), nullptr);
    EXPECT_EQ(headless::MenuOf(main)->id, 109);

    // Creation, size and first paint came before the loop took its first message.
    std::vector<UINT> order;
    for (const auto& m : headless::DeliveredMessages())
      if (m.hwnd == main &&
          (m.message == WM_CREATE || m.message == WM_SIZE || m.message == WM_PAINT))
        order.push_back(m.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_CREATE, WM_SIZE, WM_PAINT}));
    EXPECT_EQ(AppState.ClientWidth, 496);
    EXPECT_EQ(AppState.ClientHeight, 440);

    EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
    EXPECT_EQ(AppState.DataSaved, 1);
    EXPECT_EQ(AppState.LeftColor, 1);
    EXPECT_EQ(AppState.RightColor, 2);
    EXPECT_EQ(AppState.LargeSize | AppState.Bright | AppState.MarkersInside, 0);
    EXPECT_EQ(AppState.FirstPaintDone, 1);
    EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 5);

    // The Canvas: grey everywhere but the black grid with its white lines.
    EXPECT_EQ(GetPixel(AppState.Canvas, 599, 825), kGrey);
    EXPECT_EQ(GetPixel(AppState.Canvas, 540, 100), kGrey);
    EXPECT_EQ(GetPixel(AppState.Canvas, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(AppState.Canvas, 48, 5), RGB(255, 255, 255));
    // The window: the grid at (8,58), grey around it, the class background above row 56 and
    // the eight swatches of the palette bar.
    EXPECT_EQ(ClientPixel(8, 58), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(8 + 48, 58 + 5), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(492, 300), kGrey);
    EXPECT_EQ(ClientPixel(4, 430), kGrey);
    EXPECT_EQ(ClientPixel(494, 54), RGB(200, 200, 200));
    for (int level = 0; level < 8; ++level)
      EXPECT_EQ(ClientPixel(108 + 16 * level + 8, 43), DepthColorRef(level)) << level;
  });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
  EXPECT_TRUE(headless::Windows().empty());
  EXPECT_EQ(raster::LiveObjectCount(), 0);  // the font and the Canvas bitmap went with it
  EXPECT_EQ(raster::LiveContextCount(), 0);
}

TEST(ShellSessionTest, PressAndDragPaintCellsAndEveryWayOutAsksUntilSaved) {
  testing_support::TempFolder folder;
  Session session;
  session.Move(CellX(10), CellY(5))
      .Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellX(10), CellY(5)))
      .Move(CellX(11), CellY(5))
      .Move(CellX(12), CellY(6))
      .Send(WM_LBUTTONUP)
      .Move(CellX(13), CellY(6))  // released: no longer paints
      .RightClickAt(CellX(20), CellY(20))
      .Do([] {
        EXPECT_EQ(ReadCellLevel(10, 5), 1);
        EXPECT_EQ(ReadCellLevel(11, 5), 1);
        EXPECT_EQ(ReadCellLevel(12, 6), 1);
        EXPECT_EQ(ReadCellLevel(13, 6), 0);
        EXPECT_EQ(ReadCellLevel(20, 20), 2);
        EXPECT_EQ(ClientPixel(CellX(12), CellY(6)), DepthColorRef(1));
        EXPECT_EQ(AppState.DataSaved, 0);
        EXPECT_EQ(AppState.LeftDown | AppState.RightDown, 0);
        // A box that could not be shown answers 0: that is no consent either.
        headless::ScriptMessageBoxAnswers({IDNO, IDNO, 0});
      })
      .Send(WM_CLOSE)
      .Menu(IDM_EXIT)
      .Send(WM_CLOSE)
      .Do([&] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_EQ(AppState.DataSaved, 0);
        EXPECT_EQ(ReadCellLevel(12, 6), 1);
        EXPECT_EQ(ClientPixel(CellX(12), CellY(6)), DepthColorRef(1));
        headless::ScriptFileChoice(folder / "grid");
      })
      .Menu(IDM_SAVE_DATA)  // never asks
      .Menu(IDM_EXIT);      // saved: asks nothing
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(headless::Windows().empty());
  const auto& boxes = headless::MessageBoxCalls();
  ASSERT_EQ(boxes.size(), 3u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.text, kDiscardQuestion);
    EXPECT_EQ(box.caption, "Velmora");
    EXPECT_EQ(box.flags, 36u);
    EXPECT_NE(box.owner, nullptr);
  }
  const auto bytes = testing_support::ReadBytes(folder / "grid.dat");
  ASSERT_EQ(bytes.size(), 1200u);
  EXPECT_EQ(bytes[5 * 40 + 10], 1);
  EXPECT_EQ(bytes[20 * 40 + 20], 2);
}

TEST(ShellSessionTest, OpeningOverUnsavedDataAsksFirstAndNoLeavesEverythingAlone) {
  testing_support::TempFolder folder;
  std::vector<unsigned char> stored(1200);
  for (int i = 0; i < 1200; ++i) stored[i] = static_cast<unsigned char>((i / 3) % 8);
  testing_support::WriteBytes(folder / "stored.dat", stored);

  Session session;
  session.Do([&] { headless::ScriptFileChoice(folder / "stored.dat"); })
      .LeftClickAt(CellX(5), CellY(0))
      .Menu(IDM_OPEN_DATA)  // No: no chooser, nothing changes
      .Do([] {
        EXPECT_TRUE(headless::FileChooserCalls().empty());
        EXPECT_EQ(ReadCellLevel(5, 0), 1);
        EXPECT_EQ(AppState.DataSaved, 0);
        headless::ScriptMessageBoxAnswers({IDYES});
      })
      .Click(IDC_RENDER)
      .Menu(IDM_OPEN_DATA)  // Yes: the stored grid replaces the painted one
      .Do([&] {
        ASSERT_EQ(headless::FileChooserCalls().size(), 1u);
        EXPECT_FALSE(headless::FileChooserCalls()[0].save);
        for (int i = 0; i < 1200; i += 37) EXPECT_EQ(ReadCellLevel(i % 40, i / 40), stored[i]) << i;
        EXPECT_EQ(AppState.DataSaved, 1);
        EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
        EXPECT_EQ(ClientPixel(CellX(7), CellY(2)), DepthColorRef(stored[2 * 40 + 7]));
      })
      .Menu(IDM_OPEN_DATA)  // saved data: no question, and a cancelled chooser changes nothing
      .Do([&] {
        EXPECT_EQ(headless::FileChooserCalls().size(), 2u);
        EXPECT_EQ(ReadCellLevel(7, 2), stored[2 * 40 + 7]);
      });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_EQ(headless::MessageBoxCalls().size(), 2u);
}

TEST(ShellSessionTest, SwatchesPickEachButtonsColourOnlyInTheEditView) {
  Session session;
  session.LeftClickAt(108 + 16 * 4 + 8, 43)
      .RightClickAt(108 + 16 * 7 + 8, 43)
      .Do([] {
        EXPECT_EQ(AppState.LeftColor, 4);
        EXPECT_EQ(AppState.RightColor, 7);
        EXPECT_EQ(AppState.DataSaved, 1);  // a pick is no edit
      })
      .LeftClickAt(CellX(6), CellY(6))
      .RightClickAt(CellX(7), CellY(6))
      .Click(IDC_RENDER)
      .LeftClickAt(108 + 16 * 0 + 8, 43)
      .LeftClickAt(CellX(8), CellY(6))
      .Do([] {
        EXPECT_EQ(ReadCellLevel(6, 6), 4);
        EXPECT_EQ(ReadCellLevel(7, 6), 7);
        EXPECT_EQ(AppState.LeftColor, 4);  // the picture is shown: no pick, no paint
        EXPECT_EQ(ReadCellLevel(8, 6), 0);
        headless::ScriptMessageBoxAnswers({IDYES});
      });
  EXPECT_EQ(session.Run(), 0);
}

TEST(ShellSessionTest, AboutOpensFromTheMenuAndBothAcceleratorsWhereverTheFocusIs) {
  Session session;
  session
      .Do([] {
        headless::ScriptDialogActions({DialogAction::OkButton, DialogAction::Enter,
                                       DialogAction::Escape, DialogAction::CloseBox});
      })
      .Menu(IDM_ABOUT)
      .AltKey('?')
      .Click(IDC_MARKERS_INSIDE)  // the check box now has the focus
      .AltKey('/', IDC_MARKERS_INSIDE)
      .AltKey('?', IDC_DOT_COLOR)
      .AltKey('x', IDC_MARKERS_INSIDE);
  EXPECT_EQ(session.Run(), 0);
  const auto& dialogs = headless::DialogCalls();
  ASSERT_EQ(dialogs.size(), 4u);
  const INT_PTR results[] = {IDOK, IDOK, IDCANCEL, IDCANCEL};
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    EXPECT_EQ(dialogs[i].templateId, IDD_ABOUT);
    EXPECT_EQ(dialogs[i].initParam, 0);
    EXPECT_NE(dialogs[i].owner, nullptr);
    EXPECT_EQ(dialogs[i].result, results[i]);
  }
  EXPECT_EQ(AppState.MarkersInside, 1);
  // Translated keys were neither translated further nor dispatched; the unmatched one was.
  int dispatchedKeys = 0;
  for (const auto& m : headless::DeliveredMessages()) dispatchedKeys += m.message == WM_SYSCHAR;
  EXPECT_EQ(dispatchedKeys, 1);
}

TEST(ShellSessionTest, HelpShowsItsNoticeAndChangesNothing) {
  Session session;
  session.Menu(IDM_HELP_CONTENTS).Do([] {
    EXPECT_EQ(AppState.DataSaved, 1);
    EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
  });
  EXPECT_EQ(session.Run(), 0);
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const auto& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(box.text,
            "ヘルプファイルを必要とするほどの\n"
            "難しいプログラムではないので、準備しませんでした。\n"
            "（実は間に合わなかっただけです！）\n"
            "使い方などはドキュメントファイルをご覧ください。");
  EXPECT_EQ(box.caption, "Velmora");
  EXPECT_EQ(box.flags, 48u);
  EXPECT_NE(box.owner, nullptr);
}

TEST(ShellSessionTest, AMissingClassNameMeansNoWindowAndExitCodeZero) {
  static const ModuleResources empty{1041, {}, {}, {}, {}, {}};
  headless::Reset();
  AppState = AppStateRecord{};
  char commandLine[] = "";
  EXPECT_EQ(WinMain(CreateModuleInstance(&empty), nullptr, commandLine, SW_SHOWDEFAULT), 0);
  EXPECT_TRUE(headless::Windows().empty());
  EXPECT_TRUE(headless::DeliveredMessages().empty());
}

}  // namespace
