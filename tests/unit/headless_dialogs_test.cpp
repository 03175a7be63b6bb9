// The headless stand-ins for the window system's modal parts. Tests script the user with them,
// so a fault of theirs (a wrong default, a lost paint) would hide the program's.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"
#include "support/program_window_test.h"

namespace {

using ModalTest = testing_support::ProgramWindowTest;

TEST_F(ModalTest, AnOpenBoxAnswersAsScriptedElseSafelyAndDeliversPaintAndSizeButNoInput) {
  headless::ClearDeliveredMessages();
  PostMessageA(window, WM_SIZE, 0, MAKELPARAM(300, 200));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(window, WM_PAINT, 0, 0);
  headless::ScriptMessageBoxAnswers({IDYES});
  EXPECT_EQ(MessageBoxA(window, "question", "title", MB_YESNO | MB_ICONQUESTION), IDYES);
  std::vector<UINT> delivered;  // to the window while the box was open
  for (const auto& m : headless::DeliveredMessages()) delivered.push_back(m.message);
  // The size, the paint with the erase it asks for, but not the press.
  EXPECT_EQ(delivered, (std::vector<UINT>{WM_SIZE, WM_PAINT, WM_ERASEBKGND}));
  EXPECT_EQ(headless::QueuedMessages().at(0).message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(MessageBoxA(window, "question", "title", MB_YESNO), IDNO);  // loses nothing
  EXPECT_EQ(headless::MessageBoxCalls().at(0).flags, UINT{MB_YESNO | MB_ICONQUESTION});
}

}  // namespace
