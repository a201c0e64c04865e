// The settings window created from the real template, as start-up creates it,
// with its settings file in a scratch folder of its own.
#pragma once

#include "app_identity.h"
#include "main_window.h"
#include "modal_driver.h"
#include "resource.h"
#include "texts.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    HWND main = nullptr;
    std::string folder;
    std::string iniPath;

    void SetUp() override
    {
        folder = ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::memset(&g_program, 0, sizeof g_program);
        std::strcpy(g_program.identity.programDirectory, folder.c_str());
        std::strcpy(g_program.identity.appName, "ExPlace");
        std::strcpy(g_program.identity.userName, "tester");
        iniPath = folder + "ExPlace_tester.ini";
        g_program.normalIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NORMAL));
        g_program.activeIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ACTIVE));
        std::memset(&g_mainWindow, 0, sizeof g_mainWindow);
        g_mainWindow.settings = Settings{0, 319, 0, 239, 2000, true, false};
    }

    // Separate from SetUp so that a test can prepare the file or the settings first.
    void CreateMainWindow()
    {
        main = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
        ASSERT_NE(nullptr, main);
        g_program.mainWindow = main;
    }

    void TearDown() override
    {
        if (main) {
            if (g_mainWindow.handled.handles)
                ShutdownMainWindow(main);
            DestroyWindow(main);
        }
        DrainQuit();
    }

    // Takes the quit message the shutdown step posted; it would end the next
    // message box at once. Returns its code, or 12345 when there was none.
    static int DrainQuit()
    {
        int code = 12345;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                code = static_cast<int>(msg.wParam);
            else
                DispatchMessageA(&msg);
        }
        return code;
    }

    void Command(int id) { SendMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    void SetBox(int id, const char* text) { SetDlgItemTextA(main, id, text); }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(main, id)) != FALSE; }
    bool TrayIconPresent()
    {
        NOTIFYICONDATAA probe = g_mainWindow.trayIcon;
        probe.uFlags = NIF_TIP;
        return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
    }
};
