// A long random session: every kind of message the program can get, in any order and with any
// values, with the boxes and dialogs answered at random. Nothing may crash or leak, and the
// state must stay valid after every message.
#include <gtest/gtest.h>

#include <random>

#include "program/shell_session.h"

using namespace shell_testing;

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kMessages = 100000;

// Commands the program knows and some it does not. Rendering and the file commands do the most
// work per message, so they come less often.
constexpr int kCheapCommands[] = {IDM_ABOUT,          IDM_HELP_CONTENTS, IDC_LARGE_SIZE,
                                  IDC_BRIGHT,         IDC_COLOR_LABEL,   IDC_DOT_COLOR,
                                  IDC_MARKERS_INSIDE, IDC_EDIT_VIEW};
constexpr int kUnknownCommands[] = {0, 1, 300, 65535};
constexpr int kCostlyCommands[] = {IDC_RENDER, IDM_OPEN_DATA, IDM_SAVE_DATA, IDM_SAVE_ART,
                                   IDM_COPY_ART};
// Files to open: good, too short, bytes that are no depth level, missing, the one saved.
constexpr const char* kDataFiles[] = {"good.dat", "short.dat", "bad.dat", "none.dat", "saved.dat"};

struct RandomUser {
  testing_support::TempFolder folder;
  std::mt19937 random{kSeed};
  int produced = 0;
  bool closing = false, ending = false;

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  bool Chance(int percent) { return Below(100) < percent; }

  void CheckInvariants() {
    for (std::int32_t flag :
         {AppState.ViewMode, AppState.DataSaved, AppState.LeftDown, AppState.RightDown,
          AppState.LargeSize, AppState.Bright, AppState.MarkersInside, AppState.FirstPaintDone})
      ASSERT_TRUE(flag == 0 || flag == 1) << "after " << produced;
    for (std::int32_t color : {AppState.LeftColor, AppState.RightColor})
      ASSERT_TRUE(color >= 0 && color < 8) << "after " << produced;
    ASSERT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8) << "after " << produced;
    for (int cell = 0; produced % 50 == 0 && cell < kGridRows * kGridColumns; ++cell)
      ASSERT_NE(ReadCellLevel(cell % kGridColumns, cell / kGridColumns), kNoLevel)
          << "cell " << cell << " after " << produced;
  }

  // The next message of the session, after checking the state the last one left.
  bool Next(MSG* msg) {
    CheckInvariants();
    if (produced == kMessages || ::testing::Test::HasFailure()) {
      ending = true;  // the closing question that ends the session is answered Yes
      return false;
    }
    ++produced;
    closing = false;
    HWND main = MainWindow();
    HWND control = headless::Children(main)[Below(7)];  // any of the seven controls
    *msg = MSG{main, WM_MOUSEMOVE, 0, MAKELPARAM(Below(520), Below(480)), 0, {}};
    const int pick = Below(1000);
    if (pick < 400) {
      if (Chance(10)) msg->lParam = MAKELPARAM(Below(65536), Below(65536));  // anywhere at all
    } else if (pick < 700) {
      msg->message = WM_LBUTTONDOWN + Below(5);  // either button down or up, a left double click
    } else if (pick < 730) {
      msg->message = WM_PAINT;
    } else if (pick < 745) {
      *msg = MSG{main, WM_SIZE, 0, MAKELPARAM(Below(2000), Below(2000)), 0, {}};
    } else if (pick < 750) {
      headless::ResizeClient(main, Below(800), Below(700));
    } else if (pick < 891) {
      const int id = Chance(25) ? kUnknownCommands[Below(4)] : kCheapCommands[Below(8)];
      *msg = MSG{main, WM_COMMAND, MAKEWPARAM(id, Below(3)), 0, 0, {}};
    } else if (pick < 895) {
      const int id = kCostlyCommands[Below(5)];
      if (Chance(70))  // else: cancelled
        headless::ScriptFileChoice(folder / (id == IDM_OPEN_DATA   ? kDataFiles[Below(5)]
                                             : id == IDM_SAVE_DATA ? "saved"
                                                                   : "picture"));
      *msg = MSG{main, WM_COMMAND, MAKEWPARAM(id, 0), 0, 0, {}};
    } else if (pick < 900 && !AppState.DataSaved) {
      closing = true;  // a way out, only while it asks first; the question is answered No
      *msg = MSG{main, Chance(50) ? UINT{WM_CLOSE} : WM_COMMAND, IDM_EXIT, 0, 0, {}};
    } else if (pick < 950) {
      *msg = headless::ClickMessages(control)[Below(2)];
    } else if (pick < 970) {
      headless::PickListEntry(AppState.DotColorList, Below(10) - 1);
    } else {
      // Alt with a key, to the main window or to a control that may have the focus.
      *msg = headless::AltCharMessage(Chance(50) ? main : control, "?/xfh"[Below(5)]);
      if (Chance(20)) msg->lParam = 1;  // without Alt
    }
    return true;
  }

  int AnswerBox(const headless::MessageBoxCall& call) {
    if ((call.flags & 0x0F) == MB_OK) return IDOK;
    if (ending || closing) return ending ? IDYES : IDNO;  // No keeps the session going
    return Chance(50) ? IDYES : IDNO;
  }
};

TEST(ShellRobustnessTest, LongRandomSessionKeepsTheStateValidAndEndsCleanly) {
  std::printf("seed %u, %d messages\n", kSeed, kMessages);
  RandomUser user;
  testing_support::WriteBytes(user.folder / "good.dat", std::vector<unsigned char>(1200, 3));
  testing_support::WriteBytes(user.folder / "short.dat", std::vector<unsigned char>(700, 1));
  testing_support::WriteBytes(user.folder / "bad.dat", std::vector<unsigned char>(1200, 9));
  headless::Reset();
  headless::SetMessageBoxResponder([&](const auto& call) { return user.AnswerBox(call); });
  headless::SetDialogResponder(
      [&](const auto&) { return static_cast<headless::DialogAction>(user.Below(4)); });
  EXPECT_EQ(RunProgram([&](MSG* msg) { return user.Next(msg); }), 0);
  EXPECT_EQ(user.produced, kMessages);
  EXPECT_TRUE(headless::Windows().empty());
  // Only the clipboard's bitmap may outlive the window: it belongs to the clipboard.
  EXPECT_EQ(raster::LiveObjectCount(), headless::ClipboardBitmap() ? 1 : 0);
  EXPECT_EQ(raster::LiveContextCount(), 0);
  for (const auto& dialog : headless::DialogCalls()) EXPECT_FALSE(dialog.abandoned);
}

}  // namespace
