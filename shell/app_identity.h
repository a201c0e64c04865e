// Who this program is: where it lives, what it is called and who runs it.
// The application name names the mutex, the INI section and the INI file, so
// a copy under another file name is a program of its own.
#pragma once

#include <windows.h>

#include "../core/settings_file.h"

struct AppIdentity {
    char programDirectory[kPathSize];  // ends in a backslash
    char appName[kPathSize];  // the executable's file name without its last extension
    char userName[32];  // empty when it cannot be read
};

// The process-wide values set at start-up.
struct ProgramState {
    AppIdentity identity;
    HICON normalIcon;
    HICON activeIcon;
    HWND mainWindow;
    bool startImmediately;
};

extern ProgramState g_program;

// Directory and application name from the running module's path; false when
// the path cannot be obtained. The user name is not touched.
bool ComputeAppIdentity(AppIdentity& identity);
// Splits moduleFullPath (as GetFullPathNameA gives it) into directory and name.
void SplitProgramPath(const char* fullPath, const char* fileNamePart, AppIdentity& identity);
// True when a space-separated token of the command line is "-start" (any case).
bool HasStartSwitch(const char* commandLine);
// The settings-file path of this identity, into kPathSize bytes.
void SettingsPathOf(const AppIdentity& identity, char* path);
