#include "running_instance.h"

#include "app_identity.h"
#include "texts.h"

#include <cstring>

namespace {

struct Search {
    const char* appName;
    HWND found;
};

// The application name of the process that owns the window: its executable's
// file name without the last extension, as start-up computes ours.
bool OwnerHasAppName(HWND window, const char* appName)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return false;
    char path[kPathSize];
    DWORD size = sizeof path;
    const BOOL known = QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    if (!known)
        return false;
    const char* slash = std::strrchr(path, '\\');
    AppIdentity owner;
    SplitProgramPath(path, slash ? slash + 1 : path, owner);
    // Compared as the mutex names are: exactly.
    return std::strcmp(owner.appName, appName) == 0;
}

BOOL CALLBACK CheckWindow(HWND window, LPARAM searchPointer)
{
    Search* search = reinterpret_cast<Search*>(searchPointer);
    char className[8];
    char title[sizeof TEXT_APP_TITLE + 1];
    if (GetClassNameA(window, className, sizeof className) == 0 || std::strcmp(className, "#32770") != 0)
        return TRUE;
    if (GetWindowTextA(window, title, sizeof title) == 0 || std::strcmp(title, TEXT_APP_TITLE) != 0)
        return TRUE;
    if (!OwnerHasAppName(window, search->appName))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindRunningInstance(const char* appName)
{
    Search search = {appName, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
