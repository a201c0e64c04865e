// Test helper: target_window <class> <caption> <event prefix> [x y width height]
// Shows one top-level window of the given class and caption in a process of
// its own, as Explorer's are, and signals "<prefix>.ready". Posted WM_APP with a number of milliseconds, its thread
// signals "<prefix>.hung", stops pumping messages for that long (as an Explorer
// waiting on a network drive does), then signals "<prefix>.resumed".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static HANDLE hungEvent;
static HANDLE resumedEvent;

static HANDLE NamedEvent(const char* prefix, const char* suffix)
{
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%s.%s", prefix, suffix);
    return CreateEventA(nullptr, TRUE, FALSE, name);
}

static LRESULT CALLBACK HelperWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_APP:
        SetEvent(hungEvent);
        Sleep(static_cast<DWORD>(wParam));
        SetEvent(resumedEvent);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 8)
        return 2;
    int x = 600, y = 400, width = 300, height = 200;
    if (argc == 8) {
        x = std::atoi(argv[4]);
        y = std::atoi(argv[5]);
        width = std::atoi(argv[6]);
        height = std::atoi(argv[7]);
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HelperWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = argv[1];
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    if (!RegisterClassA(&wc))
        return 3;
    HWND window = CreateWindowExA(0, argv[1], argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    if (!window)
        return 4;
    hungEvent = NamedEvent(argv[3], "hung");
    resumedEvent = NamedEvent(argv[3], "resumed");
    SetEvent(NamedEvent(argv[3], "ready"));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
