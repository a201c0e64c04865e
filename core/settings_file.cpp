#include "settings_file.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

enum SettingsField { kLeft, kRight, kTop, kBottom, kCheckInterval, kWorkOpenFolder, kWorkIE };

struct SettingsKey {
    const char* name;
    SettingsField field;
    const char* defaultText;
    size_t longestValue;  // bytes; a longer value gives the default
};

// Read and written in this order; "Right" and "Bottom" are clamped against
// the "Left" and "Top" read before them.
const SettingsKey kSettingsKeys[] = {
    {"Left", kLeft, "0", 5},
    {"Right", kRight, "319", 5},
    {"Top", kTop, "0", 5},
    {"Bottom", kBottom, "239", 5},
    {"CheckInterval", kCheckInterval, "2000", 5},
    {"WorkOpenFolder", kWorkOpenFolder, "1", 1},
    {"WorkIE", kWorkIE, "0", 1},
};

const int kValueBufferSize = 8;

int FieldValue(const Settings& settings, SettingsField field)
{
    switch (field) {
    case kLeft: return settings.Left;
    case kRight: return settings.Right;
    case kTop: return settings.Top;
    case kBottom: return settings.Bottom;
    case kCheckInterval: return settings.CheckInterval;
    case kWorkOpenFolder: return settings.WorkOpenFolder ? 1 : 0;
    case kWorkIE: return settings.WorkIE ? 1 : 0;
    }
    return 0;
}

int AtLeast(int value, int floor) { return value > floor ? value : floor; }

void StoreField(Settings& settings, SettingsField field, const SettingsKey& key, long value)
{
    const bool isCoordinate = field == kLeft || field == kRight || field == kTop || field == kBottom;
    if (isCoordinate && value < 0)
        value = ParseNumber(key.defaultText);
    const int number = static_cast<int>(value);  // at most 5 characters: always fits
    switch (field) {
    case kLeft: settings.Left = number; break;
    case kRight: settings.Right = AtLeast(number, settings.Left + kMinimumSpan); break;
    case kTop: settings.Top = number; break;
    case kBottom: settings.Bottom = AtLeast(number, settings.Top + kMinimumSpan); break;
    case kCheckInterval:
        settings.CheckInterval =
            (number < kShortestInterval || number > kLongestInterval) ? 2000 : number;
        break;
    case kWorkOpenFolder: settings.WorkOpenFolder = number != 0; break;
    case kWorkIE: settings.WorkIE = number == 1; break;
    }
}

}  // namespace

long ParseNumber(const char* text)
{
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const int digit = *text - '0';
        if (value > (LONG_MAX - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

void BuildSettingsPath(char* path, const char* programDirectory, const char* appName,
                       const char* userName)
{
    std::snprintf(path, kPathSize, "%s%s_%s.ini", programDirectory, appName, userName);
}

void LoadSettings(WindowSystem& profile, const char* section, const char* path, Settings& settings)
{
    for (const SettingsKey& key : kSettingsKeys) {
        char value[kValueBufferSize];
        const int copied = profile.ReadProfileValue(section, key.name, key.defaultText, value,
                                                     sizeof value, path);
        value[sizeof value - 1] = '\0';
        const char* text = (copied == 0 || std::strlen(value) > key.longestValue) ? key.defaultText : value;
        StoreField(settings, key.field, key, ParseNumber(text));
    }
}

void SaveSettings(WindowSystem& profile, const char* section, const char* path, const Settings& settings)
{
    for (const SettingsKey& key : kSettingsKeys) {
        char value[16];
        std::snprintf(value, sizeof value, "%d", FieldValue(settings, key.field));
        profile.WriteProfileValue(section, key.name, value, path);
    }
}

void ExclusionKey(int index, char* key, int size) { std::snprintf(key, static_cast<size_t>(size), "Except%d", index); }

bool ReadExclusionEntry(WindowSystem& profile, const char* section, const char* path, int index,
                        char* value)
{
    value[0] = '\0';
    if (index < 1 || index > kMaxExclusionEntries)
        return false;
    char key[24];
    ExclusionKey(index, key, sizeof key);
    const int copied = profile.ReadProfileValue(section, key, "", value, kPathSize, path);
    value[kPathSize - 1] = '\0';
    if (copied == 0 || value[0] == '\0') {
        value[0] = '\0';
        return false;
    }
    return true;
}
