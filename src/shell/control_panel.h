// The row of child controls along the top of the main window: three option check boxes, the
// dot-colour label and list, and the render and edit-view buttons. All share ControlFont.
#pragma once

#include "platform/win32.h"

// Which window class and style CreateChildControl uses. These four are the only kinds.
enum ControlKind : int {
  KIND_PUSH_BUTTON = 0,
  KIND_CHECK_BOX = 20,  // a check box that never changes its own mark
  KIND_DROPDOWN_LIST = 33,
  KIND_STATIC = 60,
};

constexpr int kDotColorCount = 8;
// The dot-colour list's entries in index order: the names of the eight depth colours.
extern const char* const DotColorNames[kDotColorCount];
// The entry the list selects when it is filled: "水色".
constexpr int kInitialDotColor = 5;

// Creates the one font of every control and stores it in AppState.ControlFont.
void CreateControlFont();
// Creates one visible child control of the kind's class and style, with `id` as its child
// identifier, and gives it ControlFont.
HWND CreateChildControl(HWND parent, ControlKind kind, const char* text, int id, int x, int y,
                        int width, int height);
// Creates ControlFont and the seven controls in their order, keeping the handles the program
// talks to in AppState.
void CreateControlPanel(HWND parent);
// Appends the eight DotColorNames to DotColorList and selects kInitialDotColor.
void FillDotColorList();
