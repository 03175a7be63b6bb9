// The control row: what each control kind is made of, the seven controls, the shared font and
// the dot-colour list.
#include <gtest/gtest.h>

#include "canvas/app_state.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_windows.h"
#include "shell/control_panel.h"
#include "shell/resource_ids.h"

namespace {

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ControlPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    AppState = AppStateRecord{};
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ParentProc;
    wc.lpszClassName = "PanelParent";
    RegisterClassExA(&wc);
    parent = CreateWindowExA(0, "PanelParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 504, 486, nullptr,
                             nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent);
    if (AppState.ControlFont) DeleteObject(AppState.ControlFont);
  }
  HWND parent = nullptr;
};

const headless::Window& W(HWND hwnd) { return *headless::ToWindow(hwnd); }

TEST_F(ControlPanelTest, EachKindMakesItsClassAndStyle) {
  struct Case {
    ControlKind kind;
    const char* className;
    DWORD style;
  } cases[] = {{KIND_PUSH_BUTTON, "BUTTON", 0x50000000},
               {KIND_CHECK_BOX, "BUTTON", 0x50000002},
               {KIND_DROPDOWN_LIST, "COMBOBOX", 0x50200843},
               {KIND_STATIC, "STATIC", 0x50000000}};
  for (const Case& c : cases) {
    HWND control = CreateChildControl(parent, c.kind, "x", 300 + c.kind, 1, 2, 3, 4);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(W(control).className, c.className) << c.kind;
    EXPECT_EQ(W(control).style, c.style) << c.kind;
    EXPECT_EQ(W(control).id, 300 + c.kind);
    EXPECT_EQ(W(control).parent, parent);
  }
}

TEST_F(ControlPanelTest, SevenControlsInOrderWithTextIdPlaceAndTheSharedFont) {
  CreateControlPanel(parent);
  struct Expected {
    const char* className;
    const char* text;
    int id, x, y, width, height;
  } expected[] = {
      {"BUTTON", "大きいサイズ", IDC_LARGE_SIZE, 8, 8, 100, 20},
      {"BUTTON", "明るく作図", IDC_BRIGHT, 110, 8, 100, 20},
      {"STATIC", "色", IDC_COLOR_LABEL, 210, 11, 12, 16},
      {"COMBOBOX", "赤", IDC_DOT_COLOR, 224, 8, 60, 160},
      {"BUTTON", "マーカーを中に", IDC_MARKERS_INSIDE, 300, 8, 110, 20},
      {"BUTTON", "３Ｄ作図", IDC_RENDER, 414, 8, 74, 20},
      {"BUTTON", "編集画面", IDC_EDIT_VIEW, 414, 34, 74, 20},
  };
  const std::vector<HWND> children = headless::Children(parent);
  ASSERT_EQ(children.size(), 7u);
  ASSERT_NE(AppState.ControlFont, nullptr);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const headless::Window& w = W(children[i]);
    EXPECT_EQ(w.className, expected[i].className) << i;
    EXPECT_EQ(w.text, expected[i].text) << i;
    EXPECT_EQ(w.id, expected[i].id) << i;
    EXPECT_EQ(w.x, expected[i].x) << i;
    EXPECT_EQ(w.y, expected[i].y) << i;
    EXPECT_EQ(w.width, expected[i].width) << i;
    EXPECT_EQ(w.height, expected[i].height) << i;
    EXPECT_EQ(w.font, AppState.ControlFont) << i;
    EXPECT_TRUE(w.visible) << i;
  }
  EXPECT_EQ(AppState.LargeSizeBox, children[0]);
  EXPECT_EQ(AppState.BrightBox, children[1]);
  EXPECT_EQ(AppState.DotColorList, children[3]);
  EXPECT_EQ(AppState.MarkersInsideBox, children[4]);
  // The boxes start unchecked, and the list starts empty with nothing selected.
  EXPECT_EQ(SendMessageA(AppState.LargeSizeBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ControlPanelTest, ControlFontIsTheFixedPitchGothicOfTwelvePixelCells) {
  CreateControlFont();
  LOGFONTA font;
  ASSERT_EQ(GetObjectA(AppState.ControlFont, sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ(font.lfHeight, 12);
  EXPECT_EQ(font.lfWidth, 6);
  EXPECT_EQ(font.lfEscapement, 0);
  EXPECT_EQ(font.lfOrientation, 0);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfItalic | font.lfUnderline | font.lfStrikeOut, 0);
  EXPECT_EQ(font.lfCharSet, 128);
  EXPECT_EQ(font.lfOutPrecision, 4);
  EXPECT_EQ(font.lfClipPrecision, 0);
  EXPECT_EQ(font.lfQuality, 1);
  EXPECT_EQ(font.lfPitchAndFamily, 0x11);
  EXPECT_STREQ(font.lfFaceName, "ＭＳ ゴシック");
}

TEST_F(ControlPanelTest, DotColorListKeepsTheOrderOfAddingAndSelectsWaterBlue) {
  CreateControlPanel(parent);
  FillDotColorList();
  const char* names[] = {"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"};
  ASSERT_EQ(SendMessageA(AppState.DotColorList, CB_GETCOUNT, 0, 0), 8);
  for (int i = 0; i < 8; ++i) {
    char entry[32] = {};
    SendMessageA(AppState.DotColorList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, names[i]) << i;
  }
  EXPECT_EQ(SendMessageA(AppState.DotColorList, CB_GETCURSEL, 0, 0), 5);
}

}  // namespace
