// A long random session: every kind of message the program can get, in any order and with any
// values, with the dialogs answered at random. Nothing may crash or leak, and the state must
// stay valid after every message.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/raster/surface.h"
#include "program/shell_session.h"
#include "shell/resource_ids.h"
#include "support/temp_folder.h"

using namespace shell_testing;

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kMessages = 100000;

class RandomUser {
 public:
  explicit RandomUser(const testing_support::TempFolder& folder) : folder_(folder), random_(kSeed) {
    // A data file to open, one that is too short and one with bytes that are no depth level.
    testing_support::WriteBytes(folder / "good.dat", std::vector<unsigned char>(1200, 3));
    testing_support::WriteBytes(folder / "short.dat", std::vector<unsigned char>(700, 1));
    testing_support::WriteBytes(folder / "bad.dat", std::vector<unsigned char>(1200, 9));
  }

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Chance(int percent) { return Below(1000) < percent * 10; }

  // The next message of the session, after checking the state the last one left.
  bool Next(MSG* msg) {
    CheckInvariants();
    if (produced_ == kMessages || ::testing::Test::HasFailure()) {
      ending_ = true;  // the closing question that ends the session is answered Yes
      return false;
    }
    ++produced_;
    closing_ = false;
    *msg = MSG{MainWindow(), WM_MOUSEMOVE, 0, 0, 0, {}};
    const int pick = Below(1000);
    if (pick < 400) {
      // Mostly over the window, sometimes anywhere a 16-bit coordinate can point.
      const int x = Chance(90) ? Below(520) : Below(65536);
      const int y = Chance(90) ? Below(480) : Below(65536);
      *msg = {MainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, {}};
    } else if (pick < 700) {
      static constexpr UINT kButtons[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                          WM_RBUTTONUP, WM_LBUTTONDBLCLK};
      msg->message = kButtons[Below(5)];
      msg->lParam = MAKELPARAM(Below(520), Below(480));
    } else if (pick < 730) {
      msg->message = WM_PAINT;
    } else if (pick < 745) {
      msg->message = WM_SIZE;
      msg->lParam = MAKELPARAM(Below(2000), Below(2000));
    } else if (pick < 750) {
      headless::ResizeClient(MainWindow(), Below(800), Below(700));
      msg->message = WM_MOUSEMOVE;
    } else if (pick < 900) {
      *msg = CommandMessage();
    } else if (pick < 950) {
      // A click on any of the seven controls.
      const std::vector<HWND> controls = headless::Children(MainWindow());
      HWND control = controls[Below(static_cast<int>(controls.size()))];
      const auto click = headless::ClickMessages(control);
      *msg = click[Below(2)];
    } else if (pick < 970) {
      headless::PickListEntry(AppState.DotColorList, Below(10) - 1);
      msg->message = WM_MOUSEMOVE;
    } else {
      // Alt with a key, to the main window or to a control that may have the focus.
      static constexpr char kKeys[] = {'?', '/', 'x', 'f', 'h'};
      const std::vector<HWND> controls = headless::Children(MainWindow());
      HWND focus = Chance(50) ? MainWindow() : controls[Below(static_cast<int>(controls.size()))];
      *msg = headless::AltCharMessage(focus, kKeys[Below(5)]);
      if (Chance(20)) msg->lParam = 1;  // without Alt
    }
    return true;
  }

  int AnswerBox(const headless::MessageBoxCall& call) {
    if ((call.flags & 0x0F) == MB_OK) return IDOK;
    if (ending_) return IDYES;
    if (closing_) return IDNO;  // keep the session going
    return Chance(50) ? IDYES : IDNO;
  }

  headless::DialogAction AnswerDialog() { return static_cast<headless::DialogAction>(Below(4)); }

  int produced() const { return produced_; }

 private:
  MSG CommandMessage() {
    // Every identifier the program knows and some it does not. Rendering and the file commands
    // do the most work per message, so they come less often.
    static constexpr int kCheap[] = {IDM_ABOUT,
                                     IDC_LARGE_SIZE,
                                     IDC_BRIGHT,
                                     IDC_COLOR_LABEL,
                                     IDC_DOT_COLOR,
                                     IDC_MARKERS_INSIDE,
                                     IDC_EDIT_VIEW,
                                     IDM_HELP_CONTENTS,
                                     0,
                                     1,
                                     300,
                                     65535};
    static constexpr int kCostly[] = {IDC_RENDER, IDM_OPEN_DATA, IDM_SAVE_DATA, IDM_SAVE_ART,
                                      IDM_COPY_ART};
    int id;
    const int pick = Below(1000);
    if (pick < 30) {
      id = kCostly[Below(5)];
      if (id != IDC_RENDER && id != IDM_COPY_ART) ScriptChooser(id);
    } else if (pick < 60 && !AppState.DataSaved) {
      // A way out, only while it asks first; the question is answered No.
      closing_ = true;
      return MSG{MainWindow(),
                 Chance(50) ? static_cast<UINT>(WM_CLOSE) : WM_COMMAND,
                 MAKEWPARAM(IDM_EXIT, 0),
                 0,
                 0,
                 {}};
    } else {
      id = kCheap[Below(12)];
    }
    return MSG{MainWindow(), WM_COMMAND, MAKEWPARAM(id, Below(3)), 0, 0, {}};
  }

  void ScriptChooser(int command) {
    if (Chance(30)) return;  // unscripted: the chooser is cancelled
    if (command == IDM_OPEN_DATA) {
      static constexpr const char* kFiles[] = {"good.dat", "short.dat", "bad.dat", "none.dat",
                                               "saved.dat"};
      headless::ScriptFileChoice(folder_ / kFiles[Below(5)]);
    } else {
      headless::ScriptFileChoice(folder_ / (command == IDM_SAVE_DATA ? "saved" : "picture"));
    }
  }

  void CheckInvariants() {
    if (!MainWindow()) return;
    const std::int32_t flags[] = {AppState.ViewMode,      AppState.DataSaved,     AppState.LeftDown,
                                  AppState.RightDown,     AppState.LargeSize,     AppState.Bright,
                                  AppState.MarkersInside, AppState.FirstPaintDone};
    for (std::int32_t flag : flags) ASSERT_TRUE(flag == 0 || flag == 1) << "after " << produced_;
    ASSERT_TRUE(AppState.LeftColor >= 0 && AppState.LeftColor < 8) << "after " << produced_;
    ASSERT_TRUE(AppState.RightColor >= 0 && AppState.RightColor < 8) << "after " << produced_;
    ASSERT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8) << "after " << produced_;
    const LRESULT selection = SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0);
    ASSERT_TRUE(selection >= 0 && selection < 8) << "after " << produced_;
    ASSERT_EQ(SendMessageA(AppState.LargeSizeBox, BM_GETCHECK, 0, 0), AppState.LargeSize);
    ASSERT_EQ(SendMessageA(AppState.BrightBox, BM_GETCHECK, 0, 0), AppState.Bright);
    ASSERT_EQ(SendMessageA(AppState.MarkersInsideBox, BM_GETCHECK, 0, 0), AppState.MarkersInside);
    if (produced_ % 50 == 0) {
      for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
          ASSERT_NE(ReadCellLevel(column, row), kNoLevel)
              << "cell " << column << "," << row << " after " << produced_;
    }
  }

  const testing_support::TempFolder& folder_;
  std::mt19937 random_;
  int produced_ = 0;
  bool closing_ = false;
  bool ending_ = false;
};

TEST(ShellRobustnessTest, LongRandomSessionKeepsTheStateValidAndEndsCleanly) {
  std::printf("seed %u, %d messages\n", kSeed, kMessages);
  RecordProperty("seed", static_cast<int>(kSeed));
  testing_support::TempFolder folder;
  RandomUser user(folder);

  headless::Reset();
  AppState = AppStateRecord{};
  headless::SetMessageBoxResponder(
      [&](const headless::MessageBoxCall& call) { return user.AnswerBox(call); });
  headless::SetDialogResponder([&](const headless::DialogCall&) { return user.AnswerDialog(); });
  static HINSTANCE module = CreateModuleInstance(&ProgramResources);
  headless::SetInputSource([&](MSG* msg) { return user.Next(msg); });
  char commandLine[] = "";
  const int exitCode = WinMain(module, nullptr, commandLine, SW_SHOWDEFAULT);

  EXPECT_EQ(user.produced(), kMessages);
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(headless::Windows().empty());
  // Only the clipboard's bitmap may outlive the window: it belongs to the clipboard.
  EXPECT_EQ(raster::LiveObjectCount(), headless::ClipboardBitmap() ? 1 : 0);
  EXPECT_EQ(raster::LiveContextCount(), 0);
  int abandoned = 0;
  for (const auto& dialog : headless::DialogCalls()) abandoned += dialog.abandoned;
  EXPECT_EQ(abandoned, 0);
  std::printf("%zu message boxes, %zu dialogs, %zu file choosers\n",
              headless::MessageBoxCalls().size(), headless::DialogCalls().size(),
              headless::FileChooserCalls().size());
}

}  // namespace
