#include "placement_window.h"

#include "../core/settings_file.h"
#include "../resources/resource.h"
#include "../shell/main_window.h"
#include "../shell/texts.h"

#include <cstdio>

namespace {

HWND mainWindow;
bool capturePending;  // from a click on "capture" until its timer fires
UINT_PTR captureTimer;
RECT lastGoodRect;  // the last rectangle at least 127 pixels wide and high
bool snappingBack;  // our own move back must not be judged again

void MoveOnto(HWND window, const RECT& r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void ShowOwnRectangle(HWND window)
{
    char text[96];
    std::snprintf(text, sizeof text, FORMAT_PLACEMENT_RECT, static_cast<int>(lastGoodRect.left),
                  static_cast<int>(lastGoodRect.top), static_cast<int>(lastGoodRect.right - 1),
                  static_cast<int>(lastGoodRect.bottom - 1));
    SetDlgItemTextA(window, IDC_PLACE_RECT, text);
    std::snprintf(text, sizeof text, FORMAT_PLACEMENT_CAPTION, static_cast<int>(lastGoodRect.right - lastGoodRect.left),
                  static_cast<int>(lastGoodRect.bottom - lastGoodRect.top));
    SetWindowTextA(window, text);
}

// Too small a sample is put back at the settings' corner with the last good size.
void TrackOwnRectangle(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    if (!snappingBack && (r.right - r.left < kMinimumSpan || r.bottom - r.top < kMinimumSpan)) {
        const Settings& s = g_mainWindow.settings;
        snappingBack = true;
        MoveWindow(window, s.Left, s.Top, lastGoodRect.right - lastGoodRect.left,
                   lastGoodRect.bottom - lastGoodRect.top, TRUE);
        snappingBack = false;
    }
    GetWindowRect(window, &lastGoodRect);
    ShowOwnRectangle(window);
}

BOOL Confirm(HWND window)
{
    if (capturePending)
        return FALSE;
    RECT r;
    GetWindowRect(window, &r);
    // Signed, as "%d" writes them.
    SetDlgItemInt(mainWindow, IDC_LEFT, static_cast<UINT>(r.left), TRUE);
    SetDlgItemInt(mainWindow, IDC_RIGHT, static_cast<UINT>(r.right - 1), TRUE);
    SetDlgItemInt(mainWindow, IDC_TOP, static_cast<UINT>(r.top), TRUE);
    SetDlgItemInt(mainWindow, IDC_BOTTOM, static_cast<UINT>(r.bottom - 1), TRUE);
    EndDialog(window, 0);
    return TRUE;
}

BOOL StartCapture(HWND window)
{
    if (capturePending)
        return FALSE;
    capturePending = true;
    captureTimer = SetTimer(window, CAPTURE_TIMER, 5000, nullptr);
    if (captureTimer == 0)
        capturePending = false;
    return TRUE;
}

void FillDesktop(HWND window)
{
    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    MoveOnto(window, desktop);
}

void FinishCapture(HWND window, UINT_PTR timer)
{
    HWND front = GetForegroundWindow();
    if (timer == captureTimer && front) {
        RECT r;
        GetWindowRect(front, &r);
        MoveOnto(window, r);
    }
    KillTimer(window, captureTimer);
    captureTimer = 0;
    capturePending = false;
}

BOOL HandleCommand(HWND window, WORD command)
{
    switch (command) {
    case IDOK:
        return Confirm(window);
    case IDCANCEL:
        if (capturePending)
            return FALSE;
        EndDialog(window, -1);
        return TRUE;
    case IDC_CAPTURE:
        return StartCapture(window);
    case IDC_FULLSCREEN:
        FillDesktop(window);
        return TRUE;
    }
    return TRUE;
}

void SetToSettings(RECT& r)
{
    const Settings& s = g_mainWindow.settings;
    SetRect(&r, s.Left, s.Top, s.Right, s.Bottom);
}

}  // namespace

INT_PTR CALLBACK PlacementWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG: {
        const Settings& s = g_mainWindow.settings;
        MoveWindow(window, s.Left, s.Top, s.Right - s.Left + 1, s.Bottom - s.Top + 1, TRUE);
        SetToSettings(lastGoodRect);
        return TRUE;
    }
    case WM_MOVE:
    case WM_SIZE:
        TrackOwnRectangle(window);
        return TRUE;
    case WM_COMMAND:
        return HandleCommand(window, LOWORD(wParam));
    case WM_TIMER:
        FinishCapture(window, wParam);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OpenPlacementWindow(HWND owner)
{
    mainWindow = owner;
    // Sizes arriving before the first move already have a good size to go back to.
    SetToSettings(lastGoodRect);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PLACEMENT), owner, PlacementWindowProc, 0);
}
