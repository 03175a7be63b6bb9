// The modal About dialog's procedure; the dialog itself is the IDD_ABOUT template.
#pragma once

#include "platform/win32.h"

// TRUE for the messages it handles: WM_INITDIALOG (the platform then focuses "OK") and the
// IDOK / IDCANCEL commands, which end the dialog with that identifier.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
