#include "main_window.h"

#include "../core/memory_blocks.h"
#include "../core/watch_pass.h"
#include "../dialogs/exclusion_editor.h"
#include "../dialogs/placement_window.h"
#include "../resources/resource.h"
#include "app_identity.h"
#include "texts.h"
#include "tray_icon.h"
#include "watch_control.h"
#include "win32_window_system.h"

#include <cstdio>

MainWindowState g_mainWindow;

namespace {

Win32WindowSystem windowSystem(nullptr);

// The pass reads the two check boxes at every window it examines, so a change
// made while the watch runs applies at once.
class CheckBoxOptions : public TargetOptionSource {
public:
    explicit CheckBoxOptions(HWND mainWindow) : mainWindow_(mainWindow) {}
    TargetOptions ReadTargetOptions() override
    {
        TargetOptions options;
        options.openWindows = SendDlgItemMessageA(mainWindow_, IDC_NO_OPEN_WINDOWS, BM_GETCHECK, 0, 0) != BST_CHECKED;
        options.internetExplorer = SendDlgItemMessageA(mainWindow_, IDC_ALSO_IE, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return options;
    }

private:
    HWND mainWindow_;
};

long ReadNumber(HWND window, int control)
{
    char text[kPathSize];
    GetDlgItemTextA(window, control, text, sizeof text);
    return ParseNumber(text);
}

void ShowSize(HWND window, int left, int right, int top, int bottom)
{
    char text[64];
    std::snprintf(text, sizeof text, FORMAT_SIZE_LABEL, right - left + 1, bottom - top + 1);
    SetDlgItemTextA(window, IDC_SIZE_LABEL, text);
}

void CentreOnDesktop(HWND window)
{
    RECT desktop, own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    MoveWindow(window, ((desktop.right - desktop.left) - width) / 2, ((desktop.bottom - desktop.top) - height) / 2,
               width, height, FALSE);
}

BOOL InitialiseMainWindow(HWND window)
{
    MainWindowState& state = g_mainWindow;
    const Settings& s = state.settings;
    SettingsPathOf(g_program.identity, state.settingsPath);
    const int boxes[] = {IDC_LEFT, IDC_RIGHT, IDC_TOP, IDC_BOTTOM, IDC_INTERVAL};
    const int values[] = {s.Left, s.Right, s.Top, s.Bottom, s.CheckInterval};
    for (int i = 0; i < 5; ++i) {
        SetDlgItemInt(window, boxes[i], static_cast<UINT>(values[i]), TRUE);  // "%d"
        SendDlgItemMessageA(window, boxes[i], EM_LIMITTEXT, 5, 0);
    }
    ShowSize(window, s.Left, s.Right, s.Top, s.Bottom);
    CheckDlgButton(window, IDC_NO_OPEN_WINDOWS, s.WorkOpenFolder ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(window, IDC_ALSO_IE, s.WorkIE ? BST_CHECKED : BST_UNCHECKED);

    windowSystem = Win32WindowSystem(window);
    if (!CreateHandledWindows(state.handled)) {
        PostQuitMessage(-1);
        return TRUE;
    }
    CentreOnDesktop(window);
    state.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    AddTrayIcon(window);
    state.blinkTimer = SetTimer(window, BLINK_TIMER, 1000, nullptr);
    return TRUE;
}

void RejectInput(HWND window, const char* text, int focus)
{
    MessageBoxA(window, text, CAPTION_ABORTED, MB_ICONERROR);
    SetFocus(GetDlgItem(window, focus));
}

void ApplyRectangle(HWND window)
{
    const long maxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    const long maxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    const long left = ReadNumber(window, IDC_LEFT);
    const long right = ReadNumber(window, IDC_RIGHT);
    const long top = ReadNumber(window, IDC_TOP);
    const long bottom = ReadNumber(window, IDC_BOTTOM);
    if (left < 0 || left > maxX - kMinimumSpan)
        return RejectInput(window, TEXT_BAD_LEFT, IDC_LEFT);
    if (right > maxX || right < left + kMinimumSpan)
        return RejectInput(window, TEXT_BAD_RIGHT, IDC_RIGHT);
    if (top < 0 || top > maxY - kMinimumSpan)
        return RejectInput(window, TEXT_BAD_TOP, IDC_TOP);
    if (bottom > maxY || bottom < top + kMinimumSpan)
        return RejectInput(window, TEXT_BAD_BOTTOM, IDC_BOTTOM);
    Settings& s = g_mainWindow.settings;
    s.Left = static_cast<int>(left);
    s.Right = static_cast<int>(right);
    s.Top = static_cast<int>(top);
    s.Bottom = static_cast<int>(bottom);
    ShowSize(window, s.Left, s.Right, s.Top, s.Bottom);
}

void ApplyInterval(HWND window)
{
    const long interval = ReadNumber(window, IDC_INTERVAL);
    if (interval >= kShortestInterval && interval <= kLongestInterval)
        g_mainWindow.settings.CheckInterval = static_cast<int>(interval);
    else
        MessageBoxA(window, TEXT_BAD_INTERVAL, CAPTION_ABORTED, MB_ICONERROR);
    SetFocus(GetDlgItem(window, IDC_INTERVAL));
}

void OpenReadMe()
{
    char path[kPathSize + 32];
    std::snprintf(path, sizeof path, FORMAT_README_PATH, g_program.identity.programDirectory);
    ShellExecuteA(nullptr, nullptr, path, nullptr, g_program.identity.programDirectory, SW_SHOWNORMAL);
}

// False before the list could be allocated and after the shutdown step freed
// it: a start, clear or tick still queued then must not touch that state.
bool WatchStateAvailable() { return g_mainWindow.handled.handles != nullptr; }

void ToggleWatch(HWND window)
{
    if (!WatchStateAvailable())
        return;
    if (g_mainWindow.watchRunning)
        StopWatch(window);
    else
        StartWatch(window);
}

void HandleCommand(HWND window, WORD command)
{
    switch (command) {
    case IDC_PLACE:
        if (OpenPlacementWindow(window) == 0)
            SendMessageA(window, WM_COMMAND, IDC_APPLY_POS, 0);
        break;
    case IDC_APPLY_POS: ApplyRectangle(window); break;
    case IDC_APPLY_INTERVAL: ApplyInterval(window); break;
    case IDC_START_STOP: ToggleWatch(window); break;
    case IDC_CLEAR:
        if (WatchStateAvailable())
            ClearHandledWindows(g_mainWindow.handled);
        break;
    case IDC_EXIT: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case IDC_README: OpenReadMe(); break;
    case IDC_EXCLUSIONS: OpenExclusionEditor(window); break;
    case IDM_SHOW_SETTINGS: ShowMainWindow(window); break;
    case IDM_TOGGLE_WATCH: PostMessageA(window, WM_COMMAND, IDC_START_STOP, 0); break;
    case IDM_CLEAR_HANDLED: PostMessageA(window, WM_COMMAND, IDC_CLEAR, 0); break;
    case IDM_SHOW_README: PostMessageA(window, WM_COMMAND, IDC_README, 0); break;
    case IDM_EXIT: PostMessageA(window, WM_CLOSE, 0, 0); break;
    default: break;  // IDOK, IDCANCEL and control notifications: nothing
    }
}

void AskToExit(HWND window)
{
    if (g_mainWindow.uiBusy)
        return;
    g_mainWindow.uiBusy = true;
    const int answer = MessageBoxA(window, TEXT_CONFIRM_EXIT, CAPTION_CONFIRM_EXIT, MB_ICONQUESTION | MB_YESNO);
    g_mainWindow.uiBusy = false;
    if (answer != IDNO)
        ShutdownMainWindow(window);
}

void HandleTimer(HWND window, UINT_PTR timer)
{
    MainWindowState& state = g_mainWindow;
    if (state.uiBusy || timer == 0 || !WatchStateAvailable())
        return;
    if (timer == state.blinkTimer) {
        BlinkStep();
    } else if (timer == state.watchTimer) {
        CheckBoxOptions options(window);
        WatchPass pass{&windowSystem, &options, &state.settings, state.exclusionText, &state.handled};
        RunWatchPass(pass);
    }
}

// Windows may end the process as soon as WM_ENDSESSION returns, before the
// posted quit reaches the message loop that saves the settings.
void SaveBeforeWindowsEnds()
{
    SaveSettings(windowSystem, g_program.identity.appName, g_mainWindow.settingsPath, g_mainWindow.settings);
}

}  // namespace

void ShowMainWindow(HWND window)
{
    ShowWindow(window, SW_SHOW);
    BringWindowToTop(window);
}

void ShutdownMainWindow(HWND window)
{
    MainWindowState& state = g_mainWindow;
    FreeBlock(state.exclusionText);
    state.exclusionText = nullptr;
    FreeHandledWindows(state.handled);
    if (state.watchTimer != 0)
        KillTimer(window, state.watchTimer);
    state.watchTimer = 0;
    state.settings.WorkOpenFolder = IsDlgButtonChecked(window, IDC_NO_OPEN_WINDOWS) != BST_CHECKED;
    state.settings.WorkIE = IsDlgButtonChecked(window, IDC_ALSO_IE) == BST_CHECKED;
    RemoveTrayIcon();
    PostQuitMessage(0);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A registered message: its number is only known at run time, and it
    // could even fall on one of the fixed numbers below.
    if (message != 0 && message == g_mainWindow.taskbarCreatedMessage) {
        ReAddTrayIcon();
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG:
        return InitialiseMainWindow(window);
    case WM_COMMAND:
        HandleCommand(window, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        AskToExit(window);
        return TRUE;
    case WM_DESTROY:
        ShutdownMainWindow(window);
        return TRUE;
    case WM_QUERYENDSESSION:
        ShutdownMainWindow(window);
        return FALSE;  // not handled: Windows may end
    case WM_ENDSESSION:
        if (wParam)
            SaveBeforeWindowsEnds();
        return FALSE;
    case WM_SYSCOMMAND:
        if (LOWORD(wParam) == SC_MINIMIZE) {
            ShowWindow(window, SW_HIDE);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        HandleTimer(window, wParam);
        return TRUE;
    case WM_SHOW_SETTINGS:
        ShowMainWindow(window);
        return TRUE;
    case WM_TRAYNOTIFY:
        HandleTrayNotify(window, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}
