// Finding the running instance of this application name. Copies of the
// program under other file names have the same window title, so the window
// is matched by the file name of the process that owns it.
#pragma once

#include <windows.h>

// The main window of the instance running under appName, or null.
HWND FindRunningInstance(const char* appName);
