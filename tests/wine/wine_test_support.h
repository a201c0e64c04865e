// Shared pieces of the Wine tests: real windows, bounded waits, scratch files
// and helper processes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Pumps this thread's messages until the condition holds or timeoutMs passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Registers a window class of that name for this process (once) and makes a
// visible top-level window of it; destroyed with DestroyWindow.
HWND MakeTopLevelWindow(const char* className, const char* caption, int x, int y, int width, int height);

RECT WindowRect(HWND window);
bool HasRect(HWND window, int left, int top, int right, int bottom);

// A fresh folder under %TEMP% for one test, with a trailing backslash.
std::string ScratchFolder(const char* name);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);

// The folder holding this test executable, with a trailing backslash.
std::string ExecutableFolder();

// A process started by a test and ended by it (by its handle) if still running.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool started() const { return info_.hProcess != nullptr; }
    HANDLE process() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }
    // Waits for the end; the exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION info_ = {};
};
