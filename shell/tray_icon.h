// The notification-area icon: its record, the right-click menu and the blinking.
#pragma once

#include <windows.h>

void AddTrayIcon(HWND mainWindow);
void RemoveTrayIcon();
// Explorer restarted and the taskbar was created anew: every icon is gone.
void ReAddTrayIcon();
// The callback message: a double-click shows the settings, a right-click opens the menu.
void HandleTrayNotify(HWND mainWindow, LPARAM mouseMessage);
// The menu for the watch's state, built anew at every right-click.
HMENU BuildTrayMenu(bool watchRunning);
// One tick of the blink timer.
void BlinkStep();
