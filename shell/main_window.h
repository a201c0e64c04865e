// The settings window: a modeless dialog that lives as long as the program
// and owns all of its run-time state. Every command ends up here.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "../core/handled_windows.h"
#include "../core/settings_file.h"

struct MainWindowState {
    Settings settings;  // loaded by start-up before the window is created
    char settingsPath[kPathSize];
    HandledWindowList handled;
    char* exclusionText;  // while the watch runs
    UINT_PTR watchTimer;  // 0 while the watch is stopped
    UINT_PTR blinkTimer;
    bool watchRunning;
    bool blinkPhase;
    bool altIconShown;
    bool uiBusy;  // the exit question or a tray callback is in progress
    NOTIFYICONDATAA trayIcon;
    UINT taskbarCreatedMessage;
};

extern MainWindowState g_mainWindow;

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frees the buffers, stops the watch timer, takes the check boxes into the
// settings, removes the tray icon and posts the quit message.
void ShutdownMainWindow(HWND window);

// ShowWindow and BringWindowToTop.
void ShowMainWindow(HWND window);
