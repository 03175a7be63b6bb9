// Qt backend, the class menu of a top-level window as its QMenuBar: popups, items and
// separators as the menu resource lists them; a chosen item queues its WM_COMMAND.
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "platform/module.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {
namespace {

// Into a QMenuBar or a QMenu, which offer the same three calls.
template <typename Menu>
void AddEntries(Menu* menu, std::span<const MenuEntryResource> entries, HWND hwnd) {
  for (const MenuEntryResource& entry : entries) {
    switch (entry.kind) {
      case MenuEntryKind::Separator:
        menu->addSeparator();
        break;
      case MenuEntryKind::Popup:
        AddEntries(menu->addMenu(QString::fromUtf8(entry.text)), entry.children, hwnd);
        break;
      case MenuEntryKind::Item: {
        const WORD command = entry.command;
        QObject::connect(
            menu->addAction(QString::fromUtf8(entry.text)), &QAction::triggered,
            [hwnd, command] { PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0); });
        break;
      }
    }
  }
}

}  // namespace

void BuildMenuBar(HWND hwnd, QWidget* frame, HINSTANCE instance, LPCSTR menuName) {
  const MenuResource* resource = menuName ? FindMenuResource(instance, menuName) : nullptr;
  if (!resource) return;
  auto* bar = new QMenuBar(frame);
  AddEntries(bar, resource->bar, hwnd);
  frame->layout()->setMenuBar(bar);
}

}  // namespace qtbackend
