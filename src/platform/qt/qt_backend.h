// The Qt backend's own controls, for the desktop program's tests and tools: the widgets that
// stand behind a window handle, and the pixels the client shows.
//
// The backend presents the shared window manager (platform/wm: windows, messages, controls,
// dialogs) on Qt 6 Widgets: a top-level window as a frame with a QMenuBar from the class menu
// and a client widget that shows the window's own pixel buffer, the built-in controls BUTTON,
// COMBOBOX and STATIC as native widgets, a dialog from a template as a QDialog; and it
// implements MessageBoxA (QMessageBox), GetOpenFileNameA/GetSaveFileNameA (QFileDialog), the
// clipboard (QClipboard, CF_BITMAP only), module resources (strings, icons, the arrow cursor)
// and text output with real glyphs.
// Not implemented: other clipboard formats, non-client messages, cursors other than the arrow,
// child windows of registered classes, SetFocus/SetCapture and the rest of user32 that the
// program does not call.
#pragma once

#include "platform/raster/surface.h"
#include "platform/win32.h"

class QWidget;

namespace qtbackend {

// The frame (top-level window or dialog), the client widget of a top-level window, or the
// widget of a control; null when the handle is not of that kind.
QWidget* FrameWidget(HWND hwnd);
QWidget* ClientWidget(HWND hwnd);
QWidget* ControlWidget(HWND hwnd);
// The handle behind a widget (or its nearest ancestor that has one), or null.
HWND HandleOfWidget(const QWidget* widget);

}  // namespace qtbackend
