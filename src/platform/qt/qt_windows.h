// Qt backend, shared between its files: the record behind every window handle, the thread's
// message queue and the modal-loop bookkeeping.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/win32.h"
#include "platform/wm/combo_list.h"

class QApplication;

namespace qtbackend {

class ClientArea;

enum class WindowKind {
  TopLevel,  // a registered class: frame, menu bar, client widget and pixel buffer
  Dialog,    // a dialog built from a template
  Control,   // a built-in control class: BUTTON, COMBOBOX, STATIC
};

struct Window {
  static constexpr std::uint32_t kMagic = 0x51574E44;  // "QWND"
  std::uint32_t magic = kMagic;
  WindowKind kind = WindowKind::TopLevel;
  std::string className;
  DWORD style = 0;
  UINT classStyle = 0;
  HWND parent = nullptr;  // controls: the window that holds them
  HWND owner = nullptr;   // dialogs: the window they belong to
  int id = 0;
  HINSTANCE instance = nullptr;
  WNDPROC proc = nullptr;
  DLGPROC dialogProc = nullptr;  // for dialogs
  COLORREF background = 0;       // what the default erase paints
  QPointer<QWidget> widget;      // frame, dialog or control
  QPointer<ClientArea> client;   // top-level windows only
  raster::Surface surface;       // top-level client pixels, 0x00RRGGBB
  bool sizeReported = false;
  int reportedWidth = -1, reportedHeight = -1;
  bool needsPaint = false;
  bool erasePending = false;
  QRect updateRect;  // the part of the client waiting to be repainted
  bool destroying = false;
  // Control state that Qt widgets do not keep the way the program asks for it.
  HFONT font = nullptr;
  int listHeight = 0;  // a combo box: the height with its list open
  wm::ComboList list;  // a combo box's entries and selection, which its widget shows
  // Dialogs: the running modal loop's result once EndDialog was called.
  bool dialogEnded = false;
  INT_PTR dialogResult = 0;
};

Window* ToWindow(HWND hwnd);
HWND ToHandle(Window* window);
// The window whose widget is w or contains w, or null.
Window* WindowOfWidget(const QWidget* w);
std::vector<HWND> ChildrenOf(HWND parent);
std::vector<HWND> AllWindows();
// Adds a record to the live windows and returns its handle.
HWND AddWindow(std::unique_ptr<Window> window);
// Drops the record; the handle is dead from then on.
void RemoveWindow(Window* window);
HWND TopLevelOf(HWND hwnd);

// Makes the QApplication on first use (font substitutions and translations first).
QApplication* EnsureApplication();
// Destroys the QApplication and every widget left; the next EnsureApplication makes a new one.
void EndApplication();

// Queues a message for GetMessageA and wakes the waiting loop.
void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Modal loops: while one runs, the program's GetMessageA loop does not, so paint requests are
// delivered directly to the window procedure.
struct ModalScope {
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};
bool InModalLoop();

// Marks (part of) the client as waiting for WM_PAINT; null rect means all of it.
void Invalidate(Window* w, const QRect* rect, bool erase);

// Fills a rectangle of the client surface with the class background (clipped).
void EraseBackground(Window* w, const QRect& rect);

// Builds the client widget's menu bar for a top-level window from the class menu resource.
void BuildMenuBar(Window* w, HINSTANCE instance, LPCSTR menuName);

// The QFont that a logical font asks for.
class QFont FontFromLogfont(const LOGFONTA& lf);

// Creates the Qt widget of a built-in control class; returns false for an unknown class.
bool CreateControlWidget(Window* w, QWidget* parentWidget, const char* text, int x, int y,
                         int width, int height);
LRESULT ControlProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
// A dialog's messages: its dialog procedure first, then the default dialog handling.
LRESULT DialogWindowProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
// A control's notification to its parent: queued for a top-level window, handed over at once
// to a dialog (whose modal loop is running instead of the program's).
void Notify(Window* control, WORD code);

// The icon resource behind an icon handle, or null; and its image nearest to the given size,
// as a pixmap.
const struct IconResource* IconResourceOf(HICON icon);
class QPixmap IconPixmap(HICON icon, int size);

// Sends WM_PAINT to windows that wait for it, when a modal loop keeps the queue from running.
void DeliverPendingPaints();

// Key events of our windows as messages (KeyPress / KeyRelease only).
void PostKeyEvent(QWidget* receiver, const class QKeyEvent& event, bool press);

// Side effects for a development trace (first paint timing); no-op unless enabled.
void NoteClientPainted();
void NoteWindowPainted();

}  // namespace qtbackend
