#include "watch_control.h"

#include "../core/exclusion_text.h"
#include "../core/memory_blocks.h"
#include "../resources/resource.h"
#include "app_identity.h"
#include "control_state.h"
#include "main_window.h"
#include "texts.h"
#include "win32_window_system.h"

// The controls that change the rectangle, the interval or the exclusion list.
static const int kLockedWhileWatching[] = {IDC_PLACE, IDC_APPLY_POS, IDC_APPLY_INTERVAL, IDC_EXCLUSIONS};

void StartWatch(HWND mainWindow)
{
    MainWindowState& state = g_mainWindow;
    Win32WindowSystem profile(mainWindow);
    state.exclusionText = BuildExclusionText(profile, g_program.identity.appName, state.settingsPath);
    if (!state.exclusionText) {
        MessageBoxA(mainWindow, TEXT_SYSTEM_ERROR, CAPTION_FORCED_END, MB_ICONERROR);
        PostMessageA(mainWindow, WM_DESTROY, 0, 0);
        return;
    }
    state.watchTimer = SetTimer(mainWindow, WATCH_TIMER, static_cast<UINT>(state.settings.CheckInterval), nullptr);
    if (state.watchTimer == 0) {
        // The watch stays stopped, so the text built for it goes too.
        FreeBlock(state.exclusionText);
        state.exclusionText = nullptr;
        MessageBoxA(nullptr, TEXT_TIMER_FAILED, CAPTION_ABORTED, MB_ICONERROR);
        return;
    }
    ShowWindow(mainWindow, SW_HIDE);
    SetDlgItemTextA(mainWindow, IDC_START_STOP, TEXT_STOP_BUTTON);
    // Hidden by now, so no redraw is needed.
    for (int id : kLockedWhileWatching) {
        HWND control = GetDlgItem(mainWindow, id);
        SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | WS_DISABLED);
    }
    state.watchRunning = true;
}

void StopWatch(HWND mainWindow)
{
    MainWindowState& state = g_mainWindow;
    KillTimer(mainWindow, state.watchTimer);
    state.watchTimer = 0;
    SetDlgItemTextA(mainWindow, IDC_START_STOP, TEXT_START_BUTTON);
    FreeBlock(state.exclusionText);
    state.exclusionText = nullptr;
    for (int id : kLockedWhileWatching)
        SetControlDisabled(GetDlgItem(mainWindow, id), false);
    state.watchRunning = false;
}
