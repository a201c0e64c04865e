// The watch core's window-system operations on the real ANSI Win32 calls.
#pragma once

#include "../core/window_system.h"

#include <windows.h>

// HWND <-> 32-bit handle. Windows keeps only 32 significant bits in a window
// handle, and sign-extends them in 64-bit processes (LongToHandle).
inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<LONG>(window))); }
inline WindowHandle FromHwnd(HWND window) { return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window)); }

class Win32WindowSystem : public WindowSystem {
public:
    // mainWindow receives the posted WM_DESTROY when memory runs out.
    explicit Win32WindowSystem(HWND mainWindow) : mainWindow_(mainWindow) {}

    void EnumerateWindows(WindowVisitor visit, void* context) override;
    int ReadClassName(WindowHandle window, char* buffer, int size) override;
    int ReadCaption(WindowHandle window, char* buffer, int size) override;
    unsigned long LastError() override;
    void ClearLastError() override;
    void PlaceWindow(WindowHandle window, int x, int y, int width, int height) override;
    int ReadProfileValue(const char* section, const char* key, const char* defaultText, char* buffer,
                          int size, const char* path) override;
    void WriteProfileValue(const char* section, const char* key, const char* value, const char* path) override;
    long FileSize(const char* path) override;
    void ReportExhaustedMemory() override;

private:
    HWND mainWindow_;
};
