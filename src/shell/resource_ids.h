// Identifiers of the program's resources, menu commands and child controls.
//
// Plain macros: the resource script of the Windows build (src/platform/win/velmora.rc) includes
// this header too, and the resource compiler reads only the preprocessor's definitions, so the
// numbers have one home for both the script and the code.
#pragma once

// Resources
#define IDR_MAIN 109  // menu, accelerator table and the class-name string
#define IDD_ABOUT 103
#define IDI_MAIN_LARGE 131
#define IDI_MAIN_SMALL 132
#define IDS_APP_TITLE 103  // carried, never read
#define IDS_HELLO 106      // carried, never read

// Menu commands (IDM_ABOUT also comes from both accelerators)
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_OPEN_DATA 32771
#define IDM_SAVE_DATA 32772
#define IDM_SAVE_ART 32773
#define IDM_COPY_ART 32774
#define IDM_HELP_CONTENTS 32775

// Child controls of the main window
#define IDC_LARGE_SIZE 201
#define IDC_BRIGHT 202
#define IDC_COLOR_LABEL 203
#define IDC_DOT_COLOR 204
#define IDC_MARKERS_INSIDE 205
#define IDC_RENDER 206
#define IDC_EDIT_VIEW 207

// The About dialog's icon control carries the icon's own number.
#define IDC_ABOUT_ICON IDI_MAIN_LARGE
