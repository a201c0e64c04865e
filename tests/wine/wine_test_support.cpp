#include "wine_test_support.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Not ours to take: leave it for whoever runs the loop.
                PostQuitMessage(static_cast<int>(msg.wParam));
                return condition();
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

HWND MakeTopLevelWindow(const char* className, const char* caption, int x, int y, int width, int height)
{
    static std::set<std::string> registered;
    if (!registered.count(className)) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassA(&wc);
        registered.insert(className);
    }
    return CreateWindowExA(0, className, caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool HasRect(HWND window, int left, int top, int right, int bottom)
{
    RECT r = WindowRect(window);
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

std::string ScratchFolder(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char folder[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%sexplace-%lu-%s\\", temp, GetCurrentProcessId(), name);
    CreateDirectoryA(folder, nullptr);
    // Leftovers of an earlier test of the same name would change what it reads.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((std::string(folder) + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string ExecutableFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

ChildProcess::ChildProcess(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
        info_ = {};
}

ChildProcess::~ChildProcess()
{
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

DWORD ChildProcess::WaitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}
