// The placement window: a resizable sample window that the user moves and
// sizes (or fits to the window in front, or to the desktop) to set the rectangle.
#pragma once

#include <windows.h>

// Opens it modally over the main window, on the current target rectangle.
// 0 when confirmed (the main window's four boxes then hold its rectangle),
// -1 when cancelled.
INT_PTR OpenPlacementWindow(HWND mainWindow);

INT_PTR CALLBACK PlacementWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
