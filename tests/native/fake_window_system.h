// An in-memory window system for the native tests: windows with classes,
// captions and positions, an INI store, and a record of what the core did.
#pragma once

#include "window_system.h"

#include <map>
#include <string>
#include <vector>

struct FakeWindow {
    std::string className;
    std::string caption;
    bool exists = true;
    int x = -1, y = -1, width = -1, height = -1;
    int moves = 0;
};

class FakeWindowSystem : public WindowSystem {
public:
    static const unsigned long kInvalidWindowHandle = 1400;

    std::map<WindowHandle, FakeWindow> windows;
    std::vector<WindowHandle> zOrder;  // enumeration order
    std::map<std::string, std::map<std::string, std::string>> profile;  // section -> key -> value
    bool fileExists = true;
    long fileSizeOverride = -2;  // -2: the real size of the INI text
    unsigned long lastError = 0;
    int exhaustedReports = 0;
    std::vector<WindowHandle> examined;
    std::vector<std::string> writtenKeys;

    FakeWindow& AddWindow(WindowHandle handle, const std::string& className, const std::string& caption)
    {
        zOrder.push_back(handle);
        FakeWindow& w = windows[handle];
        w.className = className;
        w.caption = caption;
        return w;
    }

    void EnumerateWindows(WindowVisitor visit, void* context) override
    {
        for (WindowHandle h : zOrder) {
            if (!windows[h].exists)
                continue;
            examined.push_back(h);
            if (!visit(h, context))
                return;
        }
    }

    int ReadClassName(WindowHandle window, char* buffer, int size) override
    {
        auto it = windows.find(window);
        if (it == windows.end() || !it->second.exists) {
            lastError = kInvalidWindowHandle;
            return 0;
        }
        return CopyOut(it->second.className, buffer, size);
    }

    int ReadCaption(WindowHandle window, char* buffer, int size) override
    {
        auto it = windows.find(window);
        if (it == windows.end() || !it->second.exists) {
            lastError = kInvalidWindowHandle;
            if (size > 0)
                buffer[0] = '\0';
            return 0;
        }
        // Like GetWindowTextA: an empty caption returns 0 and leaves the error code alone.
        return CopyOut(it->second.caption, buffer, size);
    }

    unsigned long LastError() override { return lastError; }
    void ClearLastError() override { lastError = 0; }

    void PlaceWindow(WindowHandle window, int x, int y, int width, int height) override
    {
        FakeWindow& w = windows[window];
        w.x = x;
        w.y = y;
        w.width = width;
        w.height = height;
        ++w.moves;
    }

    int ReadProfileValue(const char* section, const char* key, const char* defaultText, char* buffer, int size,
                          const char* /*path*/) override
    {
        std::string value = defaultText;
        if (fileExists) {
            auto s = profile.find(section);
            if (s != profile.end()) {
                auto k = s->second.find(key);
                if (k != s->second.end())
                    value = k->second;
            }
        }
        return CopyOut(value, buffer, size);
    }

    void WriteProfileValue(const char* section, const char* key, const char* value, const char* /*path*/) override
    {
        writtenKeys.push_back(key);
        if (value)
            profile[section][key] = value;
        else
            profile[section].erase(key);
    }

    long FileSize(const char* /*path*/) override
    {
        if (!fileExists)
            return -1;
        if (fileSizeOverride != -2)
            return fileSizeOverride;
        long size = 0;
        for (auto& s : profile) {
            size += static_cast<long>(s.first.size()) + 4;
            for (auto& k : s.second)
                size += static_cast<long>(k.first.size() + k.second.size()) + 3;
        }
        return size;
    }

    void ReportExhaustedMemory() override { ++exhaustedReports; }

private:
    static int CopyOut(const std::string& text, char* buffer, int size)
    {
        if (size <= 0)
            return 0;
        size_t n = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
        text.copy(buffer, n);
        buffer[n] = '\0';
        return static_cast<int>(n);
    }
};

// Makes every block allocation fail while it lives, or only those of a given size and up.
class FailingAllocations {
public:
    explicit FailingAllocations(size_t fromBytes = 0);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
    static int attempts;
};

// Counts block allocations (and their sizes) while it lives.
class CountedAllocations {
public:
    CountedAllocations();
    ~CountedAllocations();
    CountedAllocations(const CountedAllocations&) = delete;
    CountedAllocations& operator=(const CountedAllocations&) = delete;
    static std::vector<size_t> sizes;
};
