// The window manager's rules, as the program relies on them. This file calls only the Win32
// functions the program uses, so it runs unchanged on the headless backend, on the Qt backend
// and, in the Windows build, against the real user32 under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

std::vector<UINT> Received;
int DestroysLeft = 0;  // how many WM_DESTROY calls DestroyWindow again

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Received.push_back(msg);
  if (msg == WM_CREATE && DestroysLeft < 0) return -1;
  if (msg == WM_DESTROY && DestroysLeft > 0) {
    --DestroysLeft;
    EXPECT_TRUE(DestroyWindow(hwnd));
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int Count(UINT msg) {
  int n = 0;
  for (UINT m : Received) n += m == msg;
  return n;
}

const char* ClassName() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
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

  DestroysLeft = -1;  // WM_CREATE refuses: no window
  EXPECT_EQ(MakeWindow(), nullptr);
  DestroysLeft = 0;
}

TEST(WindowLifetime, DialogItemsAreFoundByIdentifierUnderTheirOwnParentOnly) {
  HWND first = MakeWindow(), second = MakeWindow();
  HWND a = MakeChild(first, "BUTTON", BS_AUTOCHECKBOX, 7);
  HWND b = MakeChild(second, "BUTTON", BS_AUTOCHECKBOX, 7);
  ASSERT_TRUE(a && b && a != b);
  EXPECT_EQ(GetDlgItem(first, 7), a);
  EXPECT_EQ(GetDlgItem(second, 7), b);
  EXPECT_EQ(GetDlgItem(first, 8), nullptr);
  SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  DestroyWindow(first);
  DestroyWindow(second);
}

// The list keeps its entries in the order added, selects nothing by itself, and refuses an index
// past its end.
TEST(DropDownList, AddsWithoutSelectingAndRefusesAnIndexPastTheEnd) {
  HWND hwnd = MakeWindow();
  HWND list = MakeChild(hwnd, "COMBOBOX", CBS_DROPDOWNLIST, 7);
  const std::string names[] = {"黒", "青", "シアン"};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i].c_str())), i);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageA(list, CB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 2);
  char text[32] = {};
  EXPECT_EQ(SendMessageA(list, CB_GETLBTEXTLEN, 2, 0), static_cast<LRESULT>(names[2].size()));
  EXPECT_EQ(SendMessageA(list, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)),
            static_cast<LRESULT>(names[2].size()));
  EXPECT_EQ(std::string(text), names[2]);
  EXPECT_EQ(SendMessageA(list, CB_GETLBTEXTLEN, 3, 0), CB_ERR);
  EXPECT_EQ(SendMessageA(list, CB_SETCURSEL, 3, 0), CB_ERR);
  DestroyWindow(hwnd);
}

// UpdateWindow paints only what waits, once; the erase comes only when it was asked for.
TEST(Painting, UpdateWindowPaintsWhatWaitsOnceAndErasesOnlyWhenAsked) {
  HWND hwnd = MakeWindow();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  Received.clear();
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), 0);
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), 1);
  EXPECT_EQ(Count(WM_ERASEBKGND), 0);
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), 2);
  EXPECT_EQ(Count(WM_ERASEBKGND), 1);
  DestroyWindow(hwnd);
}

}  // namespace
