// The record behind every window handle, kept by the window manager for both emulated backends.
// A backend adds what it needs to show the window (Qt: its widgets) as the record's view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/win32.h"
#include "platform/wm/combo_list.h"

namespace wm {

enum class WindowKind {
  TopLevel,  // a window of a registered class (top-level or child)
  Dialog,    // a dialog built from a template
  Control,   // a built-in control class: BUTTON, COMBOBOX, STATIC
};

// What a backend keeps beside a record to show its window; it goes with the record.
struct View {
  virtual ~View() = default;
};

struct Window {
  HWND handle = nullptr;  // its entry in the window table, while it is live
  WindowKind kind = WindowKind::TopLevel;
  std::string className;  // the built-in control classes in upper case
  std::string text;
  DWORD style = 0;
  UINT classStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;  // outer rectangle as asked, in the parent's pixels
  HWND parent = nullptr;                    // child windows and controls
  HWND owner = nullptr;                     // dialogs: the top-level window they belong to
  int id = 0;                               // a child's identifier (the HMENU it was made with)
  HINSTANCE instance = nullptr;
  WNDPROC proc = nullptr;        // windows of registered classes
  DLGPROC dialogProc = nullptr;  // dialogs
  HBRUSH background = nullptr;   // the class background; null: the default erase paints nothing
  bool visible = false;
  bool minimized = false;
  bool destroying = false;  // DestroyWindow has begun
  // The update region, as its bounding rectangle: what waits for WM_PAINT.
  bool needsPaint = false;
  bool needsErase = false;
  RECT update{};
  // The client size the window procedure was last told (WM_SIZE), -1 before the first.
  int reportedWidth = -1, reportedHeight = -1;
  raster::Surface client;  // the client pixels of windows that are not controls
  // Control state.
  HFONT font = nullptr;
  int check = BST_UNCHECKED;
  ComboList list;        // a combo box's entries and selection
  bool pressed = false;  // a button between the left button's press and release
  WORD iconId = 0;       // an icon control's icon resource
  // A dialog's result once EndDialog was called.
  bool dialogEnded = false;
  INT_PTR dialogResult = 0;
  std::unique_ptr<View> view;
};

// The record of a live window, or null.
Window* ToWindow(HWND hwnd);
HWND ToHandle(Window* window);
// Every live window, in the order of creation.
std::vector<HWND> Windows();
// The children of a window, in the order of creation.
std::vector<HWND> Children(HWND parent);
// The top-level window a window belongs to (itself when it has no parent).
HWND TopLevelOf(HWND hwnd);

}  // namespace wm
