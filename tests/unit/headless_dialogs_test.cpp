// The headless stand-ins for the window system's modal parts. Tests script the user with them,
// so a fault of theirs (a wrong default, a lost paint, a hang) would hide the program's.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"
#include "shell/about_dialog.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

std::vector<UINT> ownerMessages;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ownerMessages.push_back(msg);
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    ownerMessages.clear();
    module = CreateModuleInstance(&ProgramResources);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "Owner";
    RegisterClassExA(&wc);
    owner = CreateWindowExA(0, "Owner", "", WS_OVERLAPPEDWINDOW, 0, 0, 504, 486, nullptr, nullptr,
                            module, nullptr);
    ownerMessages.clear();
  }
  void TearDown() override { DestroyWindow(owner); }

  HINSTANCE module = nullptr;
  HWND owner = nullptr;
};

TEST_F(ModalTest, MessageBoxRecordsTheCallAndAnswersScriptedThenDefault) {
  headless::ScriptMessageBoxAnswers({IDYES});
  EXPECT_EQ(MessageBoxA(owner, "question", "title", MB_YESNO | MB_ICONQUESTION), IDYES);
  // Unscripted: the answer that loses nothing.
  EXPECT_EQ(MessageBoxA(owner, "question", "title", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxA(owner, "notice", "title", MB_OK), IDOK);
  const auto& calls = headless::MessageBoxCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].owner, owner);
  EXPECT_EQ(calls[0].text, "question");
  EXPECT_EQ(calls[0].caption, "title");
  EXPECT_EQ(calls[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(calls[0].answer, IDYES);
  EXPECT_EQ(calls[1].answer, IDNO);
}

TEST_F(ModalTest, AnOpenBoxKeepsDeliveringPaintAndSizeButHoldsBackInput) {
  PostMessageA(owner, WM_SIZE, 0, MAKELPARAM(300, 200));
  PostMessageA(owner, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(owner, WM_PAINT, 0, 0);
  headless::SetMessageBoxResponder([&](const headless::MessageBoxCall&) {
    // While the box is open the owner was repainted and resized, and can be sent more.
    EXPECT_EQ(ownerMessages, (std::vector<UINT>{WM_SIZE, WM_PAINT}));
    SendMessageA(owner, WM_PAINT, 0, 0);
    return IDYES;
  });
  EXPECT_EQ(MessageBoxA(owner, "q", "t", MB_YESNO), IDYES);
  EXPECT_EQ(ownerMessages, (std::vector<UINT>{WM_SIZE, WM_PAINT, WM_PAINT}));
  ASSERT_EQ(headless::QueuedMessages().size(), 1u);
  EXPECT_EQ(headless::QueuedMessages()[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
}

INT_PTR CALLBACK NeverEnds(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

TEST_F(ModalTest, ADialogThatNeverEndsIsAbandonedInsteadOfHanging) {
  EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_ABOUT), owner, NeverEnds, 0), -1);
  EXPECT_TRUE(headless::DialogCalls().back().abandoned);
  EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(999), owner, AboutDlgProc, 0), -1);
  EXPECT_EQ(headless::Windows().size(), 1u);
}

}  // namespace
