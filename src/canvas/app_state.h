// The one record of the program's working state. Backends never write it: they deliver
// messages, and the handlers of the main window write it.
#pragma once

#include <cstdint>

#include "platform/win32.h"

enum ViewModeValue : std::int32_t {
  VIEW_EDIT = 0,  // the window shows the depth grid (EditArea)
  VIEW_ART = 1,   // the window shows the generated picture (ArtArea)
};

struct AppStateRecord {
  // The program's module, for resources and controls. Written by the entry point before the
  // main window is created.
  HINSTANCE Instance = nullptr;
  // The off-screen surface, 600 x 826: EditArea on top, ArtArea below. Created and destroyed
  // with the main window.
  HDC Canvas = nullptr;
  // The font of every child control. Created with the window, deleted on destruction.
  HFONT ControlFont = nullptr;
  // VIEW_EDIT or VIEW_ART: which half of the Canvas the window shows. Set to VIEW_ART by the
  // renderer, to VIEW_EDIT by the edit-view command and by loading a data file.
  std::int32_t ViewMode = VIEW_EDIT;
  // 1 while the grid has no edits since the last load or save; 0 after a painting press.
  std::int32_t DataSaved = 0;
  // Depth levels 0..7 painted by the left and right buttons; changed only by the palette pick.
  std::int32_t LeftColor = 0;
  std::int32_t RightColor = 0;
  // 1 while a button that pressed inside the grid is held; cleared by its release.
  std::int32_t LeftDown = 0;
  std::int32_t RightDown = 0;
  // Options, 0 or 1, toggled by their check boxes. LargeSize: 15-pixel output cells and a
  // 600 x 466 picture; Bright: the brighter dot ramp; MarkersInside: focus markers inside the
  // picture instead of below it.
  std::int32_t LargeSize = 0;
  std::int32_t Bright = 0;
  std::int32_t MarkersInside = 0;
  // 1 once the first paint has filled the dot list and cleared the Canvas.
  std::int32_t FirstPaintDone = 0;
  // Client area size in pixels, from the last WM_SIZE; 0 until the first one.
  std::int32_t ClientWidth = 0;
  std::int32_t ClientHeight = 0;
  // Pointer position of the last WM_MOUSEMOVE, client pixels, each 0..65535 (a negative
  // coordinate arrives as 65536 plus it).
  std::int32_t MouseX = 0;
  std::int32_t MouseY = 0;
  // Handles of the controls that the program talks to; set when the window is created.
  HWND LargeSizeBox = nullptr;
  HWND BrightBox = nullptr;
  HWND MarkersInsideBox = nullptr;
  HWND DotColorList = nullptr;
};

// The process-wide instance. At process start every field is zero, as for a static record;
// the window's creation sets the initial values.
extern AppStateRecord AppState;

// Sets the values a new main window starts from, in the order the creation relies on.
void SetInitialAppState();
