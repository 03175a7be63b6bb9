// The headless stand-ins for the window system's modal parts: message boxes, the About dialog,
// accelerators. Tests script the user with them, so their own faults would hide the program's.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/headless/headless_accelerators.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_windows.h"
#include "shell/about_dialog.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

using headless::DialogAction;

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

  INT_PTR RunAbout() {
    return DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, 0);
  }

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

TEST_F(ModalTest, AboutIsBuiltFromItsTemplateAndEndsByEveryWayOut) {
  headless::ScriptDialogActions(
      {DialogAction::OkButton, DialogAction::Enter, DialogAction::Escape, DialogAction::CloseBox});
  EXPECT_EQ(RunAbout(), IDOK);
  EXPECT_EQ(RunAbout(), IDOK);
  EXPECT_EQ(RunAbout(), IDCANCEL);
  EXPECT_EQ(RunAbout(), IDCANCEL);
  EXPECT_EQ(RunAbout(), IDCANCEL);  // unscripted: Esc
  const auto& calls = headless::DialogCalls();
  ASSERT_EQ(calls.size(), 5u);
  for (const auto& call : calls) {
    EXPECT_EQ(call.owner, owner);
    EXPECT_EQ(call.templateId, IDD_ABOUT);
    EXPECT_EQ(call.initParam, 0);
    EXPECT_EQ(call.initResult, TRUE);  // focus goes to the default button
    EXPECT_EQ(call.actions.size(), 1u);
    EXPECT_FALSE(call.abandoned);
    EXPECT_EQ(call.title, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(call.controls.size(), 3u);
    EXPECT_EQ(headless::ToWindow(call.dialog), nullptr);  // destroyed with its controls
  }
  EXPECT_EQ(headless::Windows().size(), 1u);
  EXPECT_EQ(headless::OpenDialog(), nullptr);
}

INT_PTR CALLBACK NeverEnds(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

TEST_F(ModalTest, ADialogThatNeverEndsIsAbandonedInsteadOfHanging) {
  EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_ABOUT), owner, NeverEnds, 0), -1);
  EXPECT_TRUE(headless::DialogCalls().back().abandoned);
  EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(999), owner, AboutDlgProc, 0), -1);
  EXPECT_EQ(headless::Windows().size(), 1u);
}

TEST_F(ModalTest, AboutProcedureLeavesOtherMessagesToTheDefaultHandling) {
  HWND dialog = nullptr;
  headless::SetDialogResponder([&](const headless::DialogCall& call) {
    dialog = call.dialog;
    EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_ICON, 0), 0), FALSE);
    EXPECT_EQ(AboutDlgProc(dialog, WM_PAINT, 0, 0), FALSE);
    EXPECT_NE(headless::OpenDialog(), nullptr);
    return DialogAction::OkButton;
  });
  EXPECT_EQ(RunAbout(), IDOK);
  EXPECT_NE(dialog, nullptr);
}

TEST_F(ModalTest, AltCharacterAcceleratorsSendTheirCommandToTheGivenWindow) {
  HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(table, nullptr);
  for (char c : {'?', '/'}) {
    MSG m = headless::AltCharMessage(owner, c);
    ownerMessages.clear();
    headless::ClearDeliveredMessages();
    EXPECT_EQ(TranslateAcceleratorA(owner, table, &m), 1) << c;
    ASSERT_EQ(headless::DeliveredMessages().size(), 1u);
    EXPECT_EQ(headless::DeliveredMessages()[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(headless::DeliveredMessages()[0].wParam, MAKEWPARAM(IDM_ABOUT, 1));
  }
  // Without Alt, another character, a key-down, a dead window or no table: nothing.
  MSG plain{owner, WM_CHAR, '?', 1, 0, {0, 0}};
  MSG other = headless::AltCharMessage(owner, 'x');
  MSG keyDown{owner, WM_SYSKEYDOWN, '?', headless::kAltHeld, 0, {0, 0}};
  MSG alt = headless::AltCharMessage(owner, '?');
  EXPECT_EQ(TranslateAcceleratorA(owner, table, &plain), 0);
  EXPECT_EQ(TranslateAcceleratorA(owner, table, &other), 0);
  EXPECT_EQ(TranslateAcceleratorA(owner, table, &keyDown), 0);
  EXPECT_EQ(TranslateAcceleratorA(owner, nullptr, &alt), 0);
  EXPECT_EQ(TranslateAcceleratorA(reinterpret_cast<HWND>(&plain), table, &alt), 0);
}

}  // namespace
