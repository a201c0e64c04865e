// Looks at a top-level window through the window system, for scripts.
//   window_check wait <class> <caption> <left> <top> <right> <bottom> <timeout ms>
//       exit 0 once the window has that rectangle (right and bottom exclusive), 1 if it never does
//   window_check rect <class> <caption>
//       prints "left top right bottom"; exit 1 when there is no such window
//   window_check shown <class> <caption> <timeout ms>
//       as rect, once the window is visible; exit 1 if it never is
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool rect = argc == 4 && std::strcmp(argv[1], "rect") == 0;
    const bool shown = argc == 5 && std::strcmp(argv[1], "shown") == 0;
    if (rect || shown) {
        const DWORD timeout = shown ? static_cast<DWORD>(std::atol(argv[4])) : 0;
        const DWORD start = GetTickCount();
        for (;;) {
            HWND window = FindWindowA(argv[2], argv[3]);
            RECT r;
            if (window && (rect || IsWindowVisible(window)) && GetWindowRect(window, &r)) {
                std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
                return 0;
            }
            if (GetTickCount() - start >= timeout)
                return 1;
            Sleep(50);  // polling another process's window: nothing to wait on
        }
    }
    if (argc == 9 && std::strcmp(argv[1], "wait") == 0) {
        const RECT want = {std::atol(argv[4]), std::atol(argv[5]), std::atol(argv[6]), std::atol(argv[7])};
        const DWORD timeout = static_cast<DWORD>(std::atol(argv[8]));
        const DWORD start = GetTickCount();
        do {
            HWND window = FindWindowA(argv[2], argv[3]);
            RECT r;
            if (window && GetWindowRect(window, &r) && EqualRect(&r, &want))
                return 0;
            Sleep(50);  // polling another process's window: nothing to wait on
        } while (GetTickCount() - start < timeout);
        return 1;
    }
    std::fprintf(stderr, "usage: window_check wait|rect ...\n");
    return 2;
}
