// Finding the running instance of this application name. Copies of the
// program under other file names have the same window title, so the main
// window carries a property named after its application.
#pragma once

#include <windows.h>

void MarkRunningInstance(HWND mainWindow, const char* appName);
// The main window of the instance running under appName, or null.
HWND FindRunningInstance(const char* appName);
