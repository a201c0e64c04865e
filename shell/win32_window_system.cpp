#include "win32_window_system.h"

#include "texts.h"

namespace {

struct Enumeration {
    WindowVisitor visit;
    void* context;
};

BOOL CALLBACK VisitTopLevelWindow(HWND window, LPARAM enumeration)
{
    const Enumeration* e = reinterpret_cast<const Enumeration*>(enumeration);
    return e->visit(FromHwnd(window), e->context) ? TRUE : FALSE;
}

}  // namespace

void Win32WindowSystem::EnumerateWindows(WindowVisitor visit, void* context)
{
    Enumeration enumeration = {visit, context};
    EnumWindows(VisitTopLevelWindow, reinterpret_cast<LPARAM>(&enumeration));
}

int Win32WindowSystem::ReadClassName(WindowHandle window, char* buffer, int size)
{
    return GetClassNameA(ToHwnd(window), buffer, size);
}

// GetWindowTextA reads another process's caption from the window manager
// without sending WM_GETTEXT, so a hung Explorer cannot stall the pass.
int Win32WindowSystem::ReadCaption(WindowHandle window, char* buffer, int size)
{
    return GetWindowTextA(ToHwnd(window), buffer, size);
}

unsigned long Win32WindowSystem::LastError() { return GetLastError(); }

void Win32WindowSystem::ClearLastError() { SetLastError(0); }

// MoveWindow on another thread's window waits until that thread answers; an
// Explorer window stuck on a network drive would freeze us. The asynchronous
// SetWindowPos has the same effect as MoveWindow with repaint and lets a hung
// window catch up once it wakes.
void Win32WindowSystem::PlaceWindow(WindowHandle window, int x, int y, int width, int height)
{
    SetWindowPos(ToHwnd(window), nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

int Win32WindowSystem::ReadProfileValue(const char* section, const char* key, const char* defaultText,
                                         char* buffer, int size, const char* path)
{
    return static_cast<int>(GetPrivateProfileStringA(section, key, defaultText, buffer, static_cast<DWORD>(size), path));
}

void Win32WindowSystem::WriteProfileValue(const char* section, const char* key, const char* value,
                                           const char* path)
{
    WritePrivateProfileStringA(section, key, value, path);
}

long Win32WindowSystem::FileSize(const char* path)
{
    HANDLE file = CreateFileA(path, FILE_GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    const DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    return size == INVALID_FILE_SIZE ? -1 : static_cast<long>(size);
}

void Win32WindowSystem::ReportExhaustedMemory()
{
    MessageBoxA(nullptr, TEXT_SYSTEM_ERROR, CAPTION_FORCED_END, MB_ICONERROR);
    PostMessageA(mainWindow_, WM_DESTROY, 0, 0);
}
