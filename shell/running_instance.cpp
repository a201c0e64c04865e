#include "running_instance.h"

#include "texts.h"

#include <cstdio>
#include <cstring>

namespace {

// Property names are atoms: at most 255 characters, letter case ignored.
void PropertyName(const char* appName, char* name, size_t size)
{
    std::snprintf(name, size, "ExPlace.Instance:%.200s", appName);
}

struct Search {
    char property[256];
    HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM searchPointer)
{
    Search* search = reinterpret_cast<Search*>(searchPointer);
    char title[sizeof TEXT_APP_TITLE + 1];
    if (GetWindowTextA(window, title, sizeof title) == 0 || std::strcmp(title, TEXT_APP_TITLE) != 0)
        return TRUE;
    if (!GetPropA(window, search->property))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

void MarkRunningInstance(HWND mainWindow, const char* appName)
{
    char property[256];
    PropertyName(appName, property, sizeof property);
    SetPropA(mainWindow, property, reinterpret_cast<HANDLE>(1));
}

HWND FindRunningInstance(const char* appName)
{
    Search search = {};
    PropertyName(appName, search.property, sizeof search.property);
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
