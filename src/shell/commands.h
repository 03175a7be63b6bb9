// The main window's commands: menu items, accelerators and control clicks, and the small
// actions that belong to the window itself.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Dispatches WM_COMMAND on the identifier in the low 16 bits of wParam; the notification code
// is ignored. Identifiers without an action (the label's 203 and unknown ones) go to
// DefWindowProcA, whose result is returned; handled ones return 0.
LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Asks before unsaved edits are thrown away. True: the caller may go on; false: it must stop.
bool ConfirmDiscard(HWND window);
// Shows the grid again (the edit-view button). The picture stays in ArtArea.
void ShowEditView(HWND window);
// Flips an option flag and sets its check box's mark from it.
void ToggleOption(std::int32_t& flag, HWND checkBox);
// The help item: a notice that there is no help file.
void ShowHelpNotice(HWND window);
