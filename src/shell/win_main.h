// The start and the end of the program: the window class, the main window and the message
// loop.
#pragma once

#include "platform/win32.h"

constexpr int kMainClassNameSize = 100;
// The window class's name, loaded from the string table at start.
extern char MainClassName[kMainClassNameSize];

// Runs the program; returns the quit message's exit code, or 0 when the main window could not
// be created. The previous instance and the command line are not used.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);
// Registers the main window's class under MainClassName.
void RegisterMainClass(HINSTANCE instance);
// Creates, shows and first paints the main window: 1 when it exists, 0 when creation failed.
int CreateMainWindow(HINSTANCE instance, int showCommand);
