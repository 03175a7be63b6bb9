// A module instance and the resources it carries.
//
// On Windows the resource compiler binds the menu, accelerators, dialog template, string table
// and icons to the executable, and LoadStringA, LoadIconA, LoadAcceleratorsA, DialogBoxParamA
// and the class menu find them through the module handle. Here the program hands its resources
// to the platform as plain data when its start-up code makes the module handle; both backends
// read them from there. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"

enum class MenuEntryKind { Popup, Item, Separator };

struct MenuEntryResource {
  MenuEntryKind kind;
  const char* text;                             // "&" marks the mnemonic; null for a separator
  WORD command;                                 // for items; 0 otherwise
  std::span<const MenuEntryResource> children;  // for popups
};

struct MenuResource {
  WORD id;
  std::span<const MenuEntryResource> bar;  // the top-level popups, left to right
};

struct AcceleratorTableResource {
  WORD id;
  std::span<const ACCEL> entries;
};

struct DialogControlResource {
  const char* className;  // "STATIC", "BUTTON"
  const char* text;       // null for an icon control
  WORD iconId;            // for SS_ICON controls; 0 otherwise
  DWORD style;
  short x, y, width, height;  // dialog units
  int id;
};

struct DialogResource {
  WORD id;
  DWORD style;
  DWORD exStyle;
  short x, y, width, height;  // dialog units
  const char* title;
  const char* fontFace;
  WORD fontPoints;
  std::span<const DialogControlResource> controls;
};

struct StringResource {
  UINT id;
  const char* text;
};

// A 4-bit image: 16 palette colours (COLORREF) and one hex digit per pixel, row by row from the
// top; transparent pixels are marked by '.' instead of a digit.
struct IconImageResource {
  int size;  // 32 or 16
  COLORREF palette[16];
  const char* pixels;  // size * size characters
};

// The palette index of an icon pixel, or -1 where the icon is transparent.
int IconPixelIndex(const IconImageResource& image, int x, int y);

struct IconResource {
  WORD id;
  std::span<const IconImageResource> images;
};

struct ModuleResources {
  WORD language;  // 1041: Japanese
  std::span<const MenuResource> menus;
  std::span<const AcceleratorTableResource> accelerators;
  std::span<const DialogResource> dialogs;
  std::span<const StringResource> strings;
  std::span<const IconResource> icons;
};

// The start-up code's step: makes the module handle through which the resources are found.
HINSTANCE CreateModuleInstance(const ModuleResources* resources);
// The resources of a module, or null for a handle that is not a module.
const ModuleResources* ModuleResourcesOf(HINSTANCE instance);

// Lookups shared by both backends; each returns null when the module has no such resource.
const MenuResource* FindMenuResource(HINSTANCE instance, LPCSTR name);
const AcceleratorTableResource* FindAcceleratorResource(HINSTANCE instance, LPCSTR name);
const DialogResource* FindDialogResource(HINSTANCE instance, LPCSTR name);
const IconResource* FindIconResource(HINSTANCE instance, LPCSTR name);
const char* FindStringResource(HINSTANCE instance, UINT id);

// The resource behind a handle that LoadAcceleratorsA or LoadIconA gave, or null for any other
// value: the handle is compared with the modules' resources, never read through.
const AcceleratorTableResource* AcceleratorTableOfHandle(HACCEL accel);
const IconResource* IconResourceOfHandle(HICON icon);
