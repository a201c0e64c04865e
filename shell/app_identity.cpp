#include "app_identity.h"

#include <cstring>

ProgramState g_program;

static void CopyCut(char* to, const char* from, size_t size)
{
    std::strncpy(to, from, size - 1);
    to[size - 1] = '\0';
}

void SplitProgramPath(const char* fullPath, const char* fileNamePart, AppIdentity& identity)
{
    const char* fileName = fileNamePart ? fileNamePart : fullPath + std::strlen(fullPath);
    CopyCut(identity.appName, fileName, sizeof identity.appName);
    char* dot = std::strrchr(identity.appName, '.');
    if (dot)
        *dot = '\0';
    const size_t directoryLength = static_cast<size_t>(fileName - fullPath);
    const size_t kept = directoryLength < sizeof identity.programDirectory ? directoryLength
                                                                          : sizeof identity.programDirectory - 1;
    std::memcpy(identity.programDirectory, fullPath, kept);
    identity.programDirectory[kept] = '\0';
}

bool ComputeAppIdentity(AppIdentity& identity)
{
    char modulePath[kPathSize];
    if (GetModuleFileNameA(nullptr, modulePath, sizeof modulePath) == 0)
        return false;
    char fullPath[kPathSize];
    char* fileNamePart = nullptr;
    const DWORD length = GetFullPathNameA(modulePath, sizeof fullPath, fullPath, &fileNamePart);
    if (length == 0 || length >= sizeof fullPath)
        return false;
    SplitProgramPath(fullPath, fileNamePart, identity);
    return true;
}

bool HasStartSwitch(const char* commandLine)
{
    if (!commandLine || !*commandLine)
        return false;
    // Only the space separates: a tab makes one token of its neighbours.
    for (const char* token = commandLine; *token;) {
        while (*token == ' ')
            ++token;
        const char* end = std::strchr(token, ' ');
        const size_t length = end ? static_cast<size_t>(end - token) : std::strlen(token);
        if (length == 6 && _strnicmp(token, "-start", 6) == 0)
            return true;
        token += length;
    }
    return false;
}

void SettingsPathOf(const AppIdentity& identity, char* path)
{
    BuildSettingsPath(path, identity.programDirectory, identity.appName, identity.userName);
}
