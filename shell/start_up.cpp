// The program entry: one instance per executable name, the settings in and
// out, and the message loop.
#include "../resources/resource.h"
#include "app_identity.h"
#include "main_window.h"
#include "running_instance.h"
#include "texts.h"
#include "win32_window_system.h"

namespace {

// Messages go to the main window's dialog handling first (Tab, Enter, Esc).
// The loop's result is the exit code: the quit code, or the first parameter
// of the last message when GetMessageA failed.
int RunMessageLoop(HWND mainWindow)
{
    MSG msg = {};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!IsDialogMessageA(mainWindow, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    ProgramState& program = g_program;
    program.startImmediately = HasStartSwitch(commandLine);
    if (!ComputeAppIdentity(program.identity))
        return 0;

    HANDLE mutex = CreateMutexA(nullptr, FALSE, program.identity.appName);
    if (!mutex)
        return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        HWND running = FindRunningInstance(program.identity.appName);
        if (running)
            PostMessageA(running, WM_COMMAND, IDM_SHOW_SETTINGS, 0);
        CloseHandle(mutex);
        return 1;
    }

    DWORD userNameSize = sizeof program.identity.userName;
    if (!GetUserNameA(program.identity.userName, &userNameSize))
        program.identity.userName[0] = '\0';
    char settingsPath[kPathSize];
    SettingsPathOf(program.identity, settingsPath);
    Win32WindowSystem profile(nullptr);
    LoadSettings(profile, program.identity.appName, settingsPath, g_mainWindow.settings);

    program.normalIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_NORMAL));
    program.activeIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ACTIVE));

    program.mainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
    if (!program.mainWindow) {
        CloseHandle(mutex);
        return 0;
    }
    if (program.startImmediately) {
        ShowWindow(program.mainWindow, SW_HIDE);
        PostMessageA(program.mainWindow, WM_COMMAND, IDC_START_STOP, 0);
    } else {
        ShowWindow(program.mainWindow, showCommand);
    }
    UpdateWindow(program.mainWindow);
    SetClassLongPtrA(program.mainWindow, GCLP_HICON, reinterpret_cast<LONG_PTR>(program.normalIcon));

    const int exitCode = RunMessageLoop(program.mainWindow);

    SettingsPathOf(program.identity, settingsPath);
    SaveSettings(profile, program.identity.appName, settingsPath, g_mainWindow.settings);
    CloseHandle(mutex);
    return exitCode;
}
