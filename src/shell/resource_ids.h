// Identifiers of the program's resources, menu commands and child controls.
#pragma once

// Resources
constexpr int IDR_MAIN = 109;  // menu, accelerator table and the class-name string
constexpr int IDD_ABOUT = 103;
constexpr int IDI_MAIN_LARGE = 131;
constexpr int IDI_MAIN_SMALL = 132;
constexpr int IDS_APP_TITLE = 103;  // carried, never read
constexpr int IDS_HELLO = 106;      // carried, never read

// Menu commands (IDM_ABOUT also comes from both accelerators)
constexpr int IDM_ABOUT = 104;
constexpr int IDM_EXIT = 105;
constexpr int IDM_OPEN_DATA = 32771;
constexpr int IDM_SAVE_DATA = 32772;
constexpr int IDM_SAVE_ART = 32773;
constexpr int IDM_COPY_ART = 32774;
constexpr int IDM_HELP_CONTENTS = 32775;

// Child controls of the main window
constexpr int IDC_LARGE_SIZE = 201;
constexpr int IDC_BRIGHT = 202;
constexpr int IDC_COLOR_LABEL = 203;
constexpr int IDC_DOT_COLOR = 204;
constexpr int IDC_MARKERS_INSIDE = 205;
constexpr int IDC_RENDER = 206;
constexpr int IDC_EDIT_VIEW = 207;

// The About dialog's icon control carries the icon's own number.
constexpr int IDC_ABOUT_ICON = IDI_MAIN_LARGE;
