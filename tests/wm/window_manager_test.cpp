// The window manager's rules, as the program relies on them. This file calls only the Win32
// functions the program uses, so it runs unchanged on the headless backend, on the Qt backend
// and, in the Windows build, against the real user32 under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/win32.h"

namespace {

std::vector<MSG> Received;
int DestroysLeft = 0;  // how many WM_DESTROY calls DestroyWindow again
RECT Painted{};        // what the last WM_PAINT was to paint

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Received.push_back({hwnd, msg, wParam, lParam, 0, {0, 0}});
  if (msg == WM_CREATE && DestroysLeft < 0) return -1;
  if (msg == WM_DESTROY && DestroysLeft > 0) {
    --DestroysLeft;
    EXPECT_TRUE(DestroyWindow(hwnd));
  }
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    Painted = ps.rcPaint;
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int Count(UINT msg) {
  int n = 0;
  for (const MSG& m : Received) n += m.message == msg;
  return n;
}

const char* ClassName() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_SCROLLBAR + 1));
    wc.lpszClassName = "WmTestWindow";
    EXPECT_NE(RegisterClassExA(&wc), 0);
    EXPECT_EQ(RegisterClassExA(&wc), 0);  // a name is registered once
    return true;
  }();
  (void)registered;
  return "WmTestWindow";
}

HWND MakeWindow() {
  return CreateWindowExA(0, ClassName(), "wm", WS_OVERLAPPEDWINDOW, 0, 0, 504, 486, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND MakeChild(HWND parent, const char* className, DWORD style, int id) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 8, 8, 60, 160, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

// Takes messages from the queue and dispatches them until `last` addressed to `to` was
// dispatched; `during` runs just before that one is dispatched.
void DispatchUntil(HWND to, UINT last, const std::function<void()>& during = {}) {
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    const bool done = m.hwnd == to && m.message == last;
    if (done && during) during();
    DispatchMessageA(&m);
    if (done) return;
  }
  ADD_FAILURE() << "the loop ended first";
}

// Each test leaves no window; the process then ends as a program does, with the quit message
// (on Qt that also ends the application and frees what it holds).
class EndAsAProgramDoes : public ::testing::Environment {
 public:
  void TearDown() override {
    PostQuitMessage(0);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  }
};
const bool kEndRegistered = (::testing::AddGlobalTestEnvironment(new EndAsAProgramDoes), true);

// A live list answers how many entries it has; a destroyed one answers nothing (0).
LRESULT EntryCount(HWND list) { return SendMessageA(list, CB_GETCOUNT, 0, 0); }

// Closing: the default handling destroys the window, and a window that destroys itself again
// from its own WM_DESTROY is still destroyed once, with its children.
TEST(WindowLifetime, CloseDestroysAndDestroyingAgainFromWmDestroyEndsWithOneDeadWindow) {
  HWND hwnd = MakeWindow();
  ASSERT_NE(hwnd, nullptr);
  HWND list = MakeChild(hwnd, "COMBOBOX", CBS_DROPDOWNLIST, 7);
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
  ASSERT_EQ(EntryCount(list), 1);
  Received.clear();
  DestroysLeft = 1;
  EXPECT_EQ(SendMessageA(hwnd, WM_CLOSE, 0, 0), 0);
  EXPECT_GE(Count(WM_DESTROY), 1);
  EXPECT_EQ(EntryCount(list), 0);
  EXPECT_FALSE(DestroyWindow(hwnd));  // the handle is dead
  EXPECT_EQ(GetDlgItem(hwnd, 7), nullptr);
  // A new window may take the old one's memory, never its handle.
  HWND next = MakeWindow();
  EXPECT_NE(next, hwnd);
  EXPECT_FALSE(DestroyWindow(hwnd));
  EXPECT_TRUE(DestroyWindow(next));

  // WM_CREATE refuses: no window, and no WM_DESTROY for what was never made.
  DestroysLeft = -1;
  Received.clear();
  EXPECT_EQ(MakeWindow(), nullptr);
  EXPECT_EQ(Count(WM_DESTROY), 0);
  ASSERT_EQ(Count(WM_CREATE), 1);
  for (const MSG& m : Received) EXPECT_FALSE(DestroyWindow(m.hwnd));  // its handle is dead
  DestroysLeft = 0;
}

// A button tells its parent at once, from within the click: WM_COMMAND arrives while the
// button's WM_LBUTTONUP is being dispatched, not later through the queue. An automatic check
// box changes its mark as it is clicked; a plain one leaves the mark to the program, and a push
// button has none. A release outside the button is no click.
TEST(Controls, AClickIsReportedWhileTheReleaseIsDispatchedAndOnlyAnAutoCheckBoxChangesItsMark) {
  HWND hwnd = MakeWindow();
  const DWORD styles[] = {BS_AUTOCHECKBOX, BS_CHECKBOX, BS_PUSHBUTTON};
  for (int i = 0; i < 3; ++i) {
    HWND button = MakeChild(hwnd, "BUTTON", styles[i], 20 + i);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Received.clear();
    DispatchUntil(button, WM_LBUTTONUP, [] { EXPECT_EQ(Count(WM_COMMAND), 0); });
    ASSERT_EQ(Count(WM_COMMAND), 1) << "style " << styles[i];
    for (const MSG& m : Received) {
      if (m.message != WM_COMMAND) continue;
      EXPECT_EQ(std::pair(m.wParam, m.lParam), std::pair(WPARAM{MAKEWPARAM(20 + i, BN_CLICKED)},
                                                         reinterpret_cast<LPARAM>(button)));
    }
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), i == 0 ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);  // a push button has no mark to set
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), i < 2 ? BST_CHECKED : BST_UNCHECKED);

    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
    Received.clear();
    DispatchUntil(button, WM_LBUTTONUP);
    EXPECT_EQ(Count(WM_COMMAND), 0);
  }
  DestroyWindow(hwnd);
}

// Posted messages come in order; the quit message comes once they are taken, before any
// repaint, and ends the loop with its code; a window waiting to be repainted gets WM_PAINT only
// when nothing else waits.
TEST(MessageQueue, PostedMessagesComeInOrderThenTheQuitThenThePaint) {
  constexpr UINT kFirst = 0x8001, kSecond = 0x8002;  // WM_APP + 1, + 2
  HWND hwnd = MakeWindow();
  ShowWindow(hwnd, SW_SHOW);
  PostMessageA(hwnd, kFirst, 1, 2);
  PostMessageA(hwnd, kSecond, 3, 4);
  PostQuitMessage(5);
  std::vector<UINT> got;
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (m.hwnd == hwnd) got.push_back(m.message);
    DispatchMessageA(&m);
  }
  EXPECT_EQ(std::pair(m.message, m.wParam), std::pair(UINT{WM_QUIT}, WPARAM{5}));
  EXPECT_EQ(got, (std::vector<UINT>{kFirst, kSecond}));
  DispatchUntil(hwnd, WM_PAINT);
  DestroyWindow(hwnd);
}

// UpdateWindow paints only what waits, once; the erase comes only when it was asked for.
TEST(Painting, UpdateWindowPaintsWhatWaitsOnceAndErasesOnlyWhenAsked) {
  HWND hwnd = MakeWindow();
  // The paints and erases that an invalidation followed by two UpdateWindow calls brings.
  const auto after = [hwnd](const RECT* rect, BOOL erase) {
    InvalidateRect(hwnd, rect, erase);
    Received.clear();
    UpdateWindow(hwnd);
    UpdateWindow(hwnd);
    return std::pair(Count(WM_PAINT), Count(WM_ERASEBKGND));
  };
  EXPECT_EQ(after(nullptr, TRUE).first, 0);  // a hidden window has nothing to repaint
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  Received.clear();
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), 0);  // nothing waits
  EXPECT_EQ(after(nullptr, FALSE), std::pair(1, 0));
  EXPECT_EQ(after(nullptr, TRUE), std::pair(1, 1));
  // A part of the client is painted as a part; a rectangle beyond the client asks for nothing.
  const RECT beyond{5000, 5000, 5010, 5010}, part{10, 20, 30, 40};
  EXPECT_EQ(after(&beyond, TRUE).first, 0);
  EXPECT_EQ(after(&part, FALSE).first, 1);
  EXPECT_EQ(std::tie(Painted.left, Painted.top, Painted.right, Painted.bottom),
            std::tie(part.left, part.top, part.right, part.bottom));
  DestroyWindow(hwnd);
}

// Minimised, the window reports a zero client area; restored, the size it had, and it is
// repainted whole and erased, since nothing of it was kept while it was away.
TEST(Painting, MinimiseReportsZeroAndRestoreReportsTheClientSizeAndRepaints) {
  HWND hwnd = MakeWindow();
  Received.clear();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  const auto sizes = [] {
    std::vector<std::pair<WPARAM, LPARAM>> out;
    for (const MSG& m : Received)
      if (m.message == WM_SIZE) out.emplace_back(m.wParam, m.lParam);
    return out;
  };
  ASSERT_FALSE(sizes().empty());
  const LPARAM shown = sizes().back().second;
  Received.clear();
  ShowWindow(hwnd, SW_MINIMIZE);
  EXPECT_EQ(sizes(), (std::vector<std::pair<WPARAM, LPARAM>>{{SIZE_MINIMIZED, 0}}));
  Received.clear();
  ShowWindow(hwnd, SW_RESTORE);
  UpdateWindow(hwnd);
  EXPECT_EQ(sizes(), (std::vector<std::pair<WPARAM, LPARAM>>{{SIZE_RESTORED, shown}}));
  EXPECT_EQ(Count(WM_PAINT), 1);
  EXPECT_EQ(Count(WM_ERASEBKGND), 1);
  DestroyWindow(hwnd);
}

}  // namespace
