// Qt backend, shared between its files: the widgets that show a window of the window manager
// (platform/wm), and the application object.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/raster/surface.h"
#include "platform/win32.h"
#include "platform/wm/window_manager.h"

class QApplication;

namespace qtbackend {

class ClientArea;

using wm::ToHandle;
using wm::ToWindow;
using wm::Window;
using wm::WindowKind;

// What shows a window: its frame (top-level window or dialog) or control widget, and the
// client widget of a top-level window.
struct QtView : wm::View {
  QPointer<QWidget> widget;
  QPointer<ClientArea> client;
  int listHeight = 0;  // a combo box: the height with its list open
};

// The view of a live window, or null.
QtView* ViewOf(HWND hwnd);
// The window whose widget is w or contains w, or null.
Window* WindowOfWidget(const QWidget* w);

// Makes the QApplication on first use (font substitutions and translations first).
QApplication* EnsureApplication();
// Destroys the QApplication and every widget left; the next EnsureApplication makes a new one.
void EndApplication();

// Builds the frame's menu bar for a top-level window from the class menu resource.
void BuildMenuBar(HWND hwnd, QWidget* frame, HINSTANCE instance, LPCSTR menuName);

// The QFont that a logical font asks for.
class QFont FontFromLogfont(const LOGFONTA& lf);

// The widget of a built-in control class, in its parent's widget.
QWidget* MakeControlWidget(HWND control, QWidget* parentWidget);
// The dialog widget of a dialog window, owned by its owner's frame.
QWidget* MakeDialogWidget(HWND dialog);

// An opaque copy of part of a pixel buffer, as Qt shows it (null when there is no memory).
class QImage OpaqueCopy(const raster::Surface& s, int left, int top, int width, int height);
// The image of an icon nearest to the given size, as a pixmap (null for a foreign handle).
class QPixmap IconPixmap(HICON icon, int size);

// Key events of our windows as messages (KeyPress / KeyRelease only).
void PostKeyEvent(QWidget* receiver, const class QKeyEvent& event, bool press);

// Side effects for a development trace (first paint timing); no-op unless enabled.
void NoteClientPainted();
void NoteWindowPainted();

}  // namespace qtbackend
