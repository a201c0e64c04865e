#include "tray_icon.h"

#include "../resources/resource.h"
#include "app_identity.h"
#include "main_window.h"
#include "texts.h"

#include <cstring>

// The oldest record form (88 bytes in the 32-bit program), which every shell takes.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "the notification record is the 88-byte form");

void AddTrayIcon(HWND mainWindow)
{
    NOTIFYICONDATAA& icon = g_mainWindow.trayIcon;
    std::memset(&icon, 0, sizeof icon);
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = mainWindow;
    icon.uID = 0;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_TRAYNOTIFY;
    icon.hIcon = g_program.normalIcon;
    std::strcpy(icon.szTip, TEXT_APP_TITLE);
    Shell_NotifyIconA(NIM_ADD, &icon);
}

void RemoveTrayIcon() { Shell_NotifyIconA(NIM_DELETE, &g_mainWindow.trayIcon); }

void ReAddTrayIcon()
{
    // The record still holds the picture of the current blink state.
    if (g_mainWindow.trayIcon.hWnd)
        Shell_NotifyIconA(NIM_ADD, &g_mainWindow.trayIcon);
}

HMENU BuildTrayMenu(bool watchRunning)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    UINT at = 0;
    // Disabled but not greyed: a heading that cannot be chosen.
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING | MF_DISABLED, 0, TEXT_MENU_HEADER);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_SHOW_SETTINGS, TEXT_MENU_SHOW_SETTINGS);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    if (watchRunning) {
        InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_TOGGLE_WATCH, TEXT_MENU_STOP);
        InsertMenuA(menu, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_CLEAR_HANDLED, TEXT_MENU_CLEAR);
    } else {
        InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_TOGGLE_WATCH, TEXT_MENU_START);
    }
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_SHOW_README, TEXT_MENU_README);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, IDM_EXIT, TEXT_MENU_EXIT);
    return menu;
}

static void ShowTrayMenu(HWND mainWindow)
{
    POINT cursor;
    GetCursorPos(&cursor);
    // Without being in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(mainWindow);
    HMENU menu = BuildTrayMenu(g_mainWindow.watchRunning);
    if (!menu)
        return;
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, mainWindow, nullptr);
    DestroyMenu(menu);
}

void HandleTrayNotify(HWND mainWindow, LPARAM mouseMessage)
{
    if (g_mainWindow.uiBusy)
        return;
    g_mainWindow.uiBusy = true;
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONDBLCLK:
        ShowMainWindow(mainWindow);
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu(mainWindow);
        break;
    }
    g_mainWindow.uiBusy = false;
}

static void ShowTrayPicture(HICON picture)
{
    g_mainWindow.trayIcon.hIcon = picture;
    Shell_NotifyIconA(NIM_MODIFY, &g_mainWindow.trayIcon);
}

void BlinkStep()
{
    MainWindowState& state = g_mainWindow;
    if (state.watchRunning) {
        // Each picture stays two ticks.
        state.blinkPhase = !state.blinkPhase;
        if (!state.blinkPhase) {
            ShowTrayPicture(state.altIconShown ? g_program.normalIcon : g_program.activeIcon);
            state.altIconShown = !state.altIconShown;
        }
    } else if (state.altIconShown) {
        ShowTrayPicture(g_program.normalIcon);
    }
}
