// Starting and stopping the watch (the start/stop button, the tray menu and "-start").
#pragma once

#include <windows.h>

void StartWatch(HWND mainWindow);
void StopWatch(HWND mainWindow);
