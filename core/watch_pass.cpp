#include "watch_pass.h"

#include <cstring>

static const char kCaptionMarker[] = "\xFF\xFF";

// ASCII letters only: class names are compared case-insensitively.
static bool SameClassName(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        char ca = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        char cb = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (ca != cb)
            return false;
        if (ca == '\0')
            return true;
    }
}

bool IsTargetClass(const char* className, TargetOptions options)
{
    return SameClassName(className, "ExploreWClass") ||
           (options.openWindows && SameClassName(className, "CabinetWClass")) ||
           (options.internetExplorer && SameClassName(className, "IEFrame"));
}

void BuildCaptionKey(const char* caption, char* key)
{
    size_t length = std::strlen(caption);
    if (length > kCaptionBufferSize - 1)
        length = kCaptionBufferSize - 1;
    std::memcpy(key, kCaptionMarker, 2);
    std::memcpy(key + 2, caption, length);
    std::memcpy(key + 2 + length, kCaptionMarker, 3);  // with the terminator
}

bool IsCaptionExcluded(const char* exclusionText, const char* caption)
{
    char key[kCaptionKeySize];
    BuildCaptionKey(caption, key);
    // Every entry sits between two marker pairs and holds no 0xFF, so a hit of
    // the whole key is a whole entry: one search instead of a loop over entries.
    return exclusionText != nullptr && std::strstr(exclusionText, key) != nullptr;
}

static void PlaceOnTarget(WindowSystem& windows, WindowHandle window, const Settings& target)
{
    windows.PlaceWindow(window, target.Left, target.Top, target.Right - target.Left + 1,
                        target.Bottom - target.Top + 1);
}

bool ExamineWindow(WindowHandle window, void* context)
{
    WatchPass& pass = *static_cast<WatchPass*>(context);
    char className[kClassNameSize];
    if (pass.windows->ReadClassName(window, className, sizeof className) == 0)
        return true;
    const TargetOptions options = pass.options->ReadTargetOptions();

    char caption[kCaptionBufferSize];
    if (pass.windows->ReadCaption(window, caption, sizeof caption) == 0)
        return true;  // untitled windows are neither moved nor recorded
    caption[sizeof caption - 1] = '\0';
    const bool excluded = IsCaptionExcluded(pass.exclusionText, caption);

    if (!IsTargetClass(className, options))
        return true;  // not recorded, so a later change of the options still reaches it
    const HandleSlot slot = FindHandle(*pass.handled, window);
    if (slot.found)
        return true;
    if (!excluded)
        PlaceOnTarget(*pass.windows, window, *pass.settings);
    if (!InsertHandle(*pass.handled, slot.position, window)) {
        pass.windows->ReportExhaustedMemory();
        return false;
    }
    return true;
}

void RunWatchPass(WatchPass& pass)
{
    pass.windows->EnumerateWindows(ExamineWindow, &pass);
    PruneHandledWindows(*pass.handled, *pass.windows);
}
