// The window-system operations the watch core relies on. The core sees windows
// only through this seam, so it builds and runs without windows.h; the program
// uses the Win32 implementation in shell/, the native tests a fake.
#pragma once

#include <cstdint>

// Window handles are compared and sorted as unsigned 32-bit integers in both
// Windows builds; the upper half of a 64-bit HWND carries nothing.
typedef uint32_t WindowHandle;

// Called once per top-level window; returning false ends the enumeration.
typedef bool (*WindowVisitor)(WindowHandle window, void* context);

class WindowSystem {
public:
    virtual ~WindowSystem() {}

    // EnumWindows: visits every top-level window until the visitor says stop.
    virtual void EnumerateWindows(WindowVisitor visit, void* context) = 0;
    // GetClassNameA: the terminated class name; 0 when it cannot be read.
    virtual int ReadClassName(WindowHandle window, char* buffer, int size) = 0;
    // GetWindowTextA: the caption cut to size - 1 bytes; its length, 0 when
    // empty or on failure. Never waits on the window's thread.
    virtual int ReadCaption(WindowHandle window, char* buffer, int size) = 0;
    // GetLastError / SetLastError(0).
    virtual unsigned long LastError() = 0;
    virtual void ClearLastError() = 0;
    // Places a window of any process on x, y, width, height and repaints it,
    // without waiting for the window's thread.
    virtual void PlaceWindow(WindowHandle window, int x, int y, int width, int height) = 0;

    // GetPrivateProfileStringA / WritePrivateProfileStringA (a null value deletes the key).
    virtual int ReadProfileValue(const char* section, const char* key, const char* defaultText,
                                  char* buffer, int size, const char* path) = 0;
    virtual void WriteProfileValue(const char* section, const char* key, const char* value,
                                    const char* path) = 0;
    // Size in bytes of the file, or -1 when it cannot be opened for reading.
    virtual long FileSize(const char* path) = 0;

    // The heap is exhausted in the middle of the watch: tell the user and end
    // the program through the main window's shutdown step.
    virtual void ReportExhaustedMemory() = 0;
};
