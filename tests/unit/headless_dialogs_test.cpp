// The headless stand-ins for the window system's modal parts. Tests script the user with them,
// so a fault of theirs (a wrong default, a lost paint) would hide the program's.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"

namespace {

TEST(ModalTest, AnOpenBoxAnswersAsScriptedElseSafelyAndDeliversPaintAndSizeButNoInput) {
  headless::Reset();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "Owner";
  RegisterClassExA(&wc);
  HWND owner = CreateWindowExA(0, "Owner", "", WS_OVERLAPPEDWINDOW, 0, 0, 504, 486, nullptr,
                               nullptr, nullptr, nullptr);
  headless::ClearDeliveredMessages();
  PostMessageA(owner, WM_SIZE, 0, MAKELPARAM(300, 200));
  PostMessageA(owner, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(owner, WM_PAINT, 0, 0);
  headless::ScriptMessageBoxAnswers({IDYES});
  EXPECT_EQ(MessageBoxA(owner, "question", "title", MB_YESNO | MB_ICONQUESTION), IDYES);
  std::vector<UINT> delivered;  // to the owner while the box was open
  for (const auto& m : headless::DeliveredMessages()) delivered.push_back(m.message);
  EXPECT_EQ(delivered, (std::vector<UINT>{WM_SIZE, WM_PAINT}));  // but not the press
  EXPECT_EQ(headless::QueuedMessages().at(0).message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(MessageBoxA(owner, "question", "title", MB_YESNO), IDNO);  // loses nothing
  const auto& call = headless::MessageBoxCalls().at(0);
  EXPECT_EQ(std::tie(call.owner, call.text, call.caption, call.flags),
            std::tuple(owner, "question", "title", UINT{MB_YESNO | MB_ICONQUESTION}));
}

}  // namespace
