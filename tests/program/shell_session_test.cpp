// Whole runs of the program from WinMain to its exit code, played as a user: start and first
// paint, picking and painting, the unsaved-data question on every way out, the data file, the
// options, the views and their repaints, About, help and the accelerators.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/depth_colors.h"
#include "program/shell_session.h"
#include "support/program_window.h"

using namespace shell_testing;

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);

// Client points over the centre of grid cell (column, row) and of a palette swatch.
int CellX(int column) { return 8 + 12 * column + 6; }
int CellY(int row) { return 58 + 12 * row + 6; }
int SwatchX(int level) { return 108 + 16 * level + 8; }
constexpr int kSwatchY = 43;
COLORREF At(int x, int y) { return testing_support::ClientPixel(MainWindow(), x, y); }

// The width x height block of the client at (8,58) shows the Canvas from row `top`.
void ExpectViewShows(int top, int width, int height) {
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      differing += At(8 + x, 58 + y) != GetPixel(AppState.Canvas, x, top + y);
  EXPECT_EQ(differing, 0) << "view of the Canvas from row " << top;
}

TEST(ShellSessionTest, StartsPaintsOnceTogglesOptionsShowsHelpAndAboutOnEveryKeyAndEndsCleanly) {
  Session session;
  session.Do([] {
    // (Title, place and size: the desktop sessions find the window by them.)
    ASSERT_NE(MainWindow(), nullptr);
    // The first paint came before the loop's first message.
    EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(std::tie(AppState.ViewMode, AppState.DataSaved, AppState.LeftColor,
                       AppState.RightColor, AppState.ClientWidth, AppState.ClientHeight),
              std::tuple(VIEW_EDIT, 1, 1, 2, 496, 440));
    EXPECT_EQ(std::tuple(GetPixel(AppState.Canvas, 599, 825), GetPixel(AppState.Canvas, 0, 0),
                         GetPixel(AppState.Canvas, 48, 5)),
              std::tuple(kGrey, RGB(0, 0, 0), RGB(255, 255, 255)));
    ExpectViewShows(0, 480, 360);
    EXPECT_EQ(At(494, 54), RGB(200, 200, 200));  // the class background
  });
  for (auto [id, flag] : {std::pair(IDC_LARGE_SIZE, &AppStateRecord::LargeSize),
                          {IDC_BRIGHT, &AppStateRecord::Bright},
                          {IDC_MARKERS_INSIDE, &AppStateRecord::MarkersInside}})
    for (int expected : {1, 0})
      session.Click(id).Do([id, flag, expected] {
        EXPECT_EQ(std::pair(AppState.*flag, SendMessageA(Control(id), BM_GETCHECK, 0, 0)),
                  std::pair(expected, LRESULT{expected}))
            << id;
      });
  session.Menu(IDM_HELP_CONTENTS)
      .Menu(IDM_ABOUT)
      .AltKey('?')
      .AltKey('/', IDC_MARKERS_INSIDE)  // the check box has the focus since its clicks
      .AltKey('?', IDC_DOT_COLOR)
      .AltKey('x', IDC_MARKERS_INSIDE);
  EXPECT_EQ(session.Run(), 0);
  // Nothing was edited: the only box is the help notice.
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const auto& help = headless::MessageBoxCalls()[0];
  EXPECT_EQ(std::tie(help.text, help.caption, help.flags),
            std::tuple("ヘルプファイルを必要とするほどの\n"
                       "難しいプログラムではないので、準備しませんでした。\n"
                       "（実は間に合わなかっただけです！）\n"
                       "使い方などはドキュメントファイルをご覧ください。",
                       "Velmora", UINT{MB_ICONWARNING | MB_OK}));
  // About from the menu and from each accelerator; each one ends (on Esc, the default answer).
  ASSERT_EQ(headless::DialogCalls().size(), 4u);
  for (const auto& d : headless::DialogCalls())
    EXPECT_EQ(std::pair(d.templateId, d.result), std::pair(WORD{IDD_ABOUT}, INT_PTR{IDCANCEL}));
  // Translated keys were neither translated further nor dispatched; the unmatched one was.
  int dispatchedKeys = 0;
  for (const auto& m : headless::DeliveredMessages()) dispatchedKeys += m.message == WM_SYSCHAR;
  EXPECT_EQ(dispatchedKeys, 1);
  EXPECT_TRUE(headless::Windows().empty());
  // The font and the Canvas bitmap went with the window.
  EXPECT_EQ(std::pair(raster::LiveObjectCount(), raster::LiveContextCount()), std::pair(0, 0));
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
        EXPECT_EQ(std::tuple(AppState.DataSaved, AppState.LeftColor, ReadCellLevel(8, 6)),
                  std::tuple(0, 4, 0));
        headless::ScriptFileChoice(folder / "stored.dat");
      })
      .Menu(IDM_OPEN_DATA)  // Yes: the stored grid replaces the painted one, in the edit view
      .Do([&] {
        for (int i = 0; i < 1200; i += 37) EXPECT_EQ(ReadCellLevel(i % 40, i / 40), stored[i]) << i;
        EXPECT_EQ(std::tie(AppState.DataSaved, AppState.ViewMode), std::tuple(1, VIEW_EDIT));
        EXPECT_EQ(At(CellX(7), CellY(2)), DepthColorRef(stored[2 * 40 + 7]));
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
      .Do([] { ExpectViewShows(360, 480, 376); })
      .Click(IDC_EDIT_VIEW)
      .Do([] { EXPECT_EQ(At(8, 58 + 365), kGrey); })  // below the grid, the picture is gone
      .Send(WM_PAINT)
      .Do([] {
        EXPECT_EQ(AppState.ViewMode, VIEW_EDIT);
        ExpectViewShows(0, 480, 360);
        EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 2);
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
        EXPECT_EQ(std::tuple(At(8 + 600, 58 + 100), At(100, 58 + 466)), std::tuple(kGrey, kGrey));
        headless::ScriptFileChoice(folder / "large");
      })
      .Click(IDC_EDIT_VIEW)  // the picture's size follows the option in either view
      .Menu(IDM_SAVE_ART)
      .Menu(IDM_COPY_ART)
      .Click(IDC_LARGE_SIZE)
      .Do([&] {
        headless::ScriptFileChoice(folder / "small");
        headless::ScriptMessageBoxAnswers({IDYES});
      })
      .Menu(IDM_SAVE_ART);
  EXPECT_EQ(session.Run(), 0);
  EXPECT_EQ(std::pair(std::filesystem::file_size(folder / "large.bmp"),
                      std::filesystem::file_size(folder / "small.bmp")),
            std::pair(std::uintmax_t{1118454}, std::uintmax_t{721974}));
  BITMAP copied{};
  GetObjectA(headless::ClipboardBitmap(), sizeof copied, &copied);
  EXPECT_EQ(std::pair(copied.bmWidth, copied.bmHeight), std::pair(600, 466));
}

}  // namespace
