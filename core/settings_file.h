// The settings and their per-user INI file next to the executable: one section
// named after the program, seven keys of settings and Except1..Except1000.
#pragma once

#include "window_system.h"

struct Settings {
    int Left;  // inclusive corners of the target rectangle, screen pixels
    int Right;
    int Top;
    int Bottom;
    int CheckInterval;  // milliseconds
    bool WorkOpenFolder;  // "CabinetWClass" windows are targets
    bool WorkIE;  // "IEFrame" windows are targets
};

const int kPathSize = 520;  // paths, and captions read from the file
const int kMinimumSpan = 127;  // Right >= Left + 127, Bottom >= Top + 127
const int kShortestInterval = 500;
const int kLongestInterval = 10000;
const int kMaxExclusionEntries = 1000;

// "%s%s_%s.ini" from the program directory (ending in a backslash), the
// application name and the user name; cut to kPathSize - 1 bytes.
void BuildSettingsPath(char* path, const char* programDirectory, const char* appName,
                       const char* userName);

// Fills settings from the file; missing, empty, over-long or out-of-range
// values give their defaults, and the rectangle is at least 128 x 128.
void LoadSettings(WindowSystem& profile, const char* section, const char* path, Settings& settings);
// Writes the seven keys in their fixed order, creating the file when needed.
void SaveSettings(WindowSystem& profile, const char* section, const char* path, const Settings& settings);

// Reads ExceptN into value (kPathSize bytes). False, and value empty, when the
// key is missing or empty or index is past kMaxExclusionEntries: readers start
// at 1 and stop at the first false, so keys after a gap are never read.
bool ReadExclusionEntry(WindowSystem& profile, const char* section, const char* path, int index,
                        char* value);
// "Except%d" for index.
void ExclusionKey(int index, char* key, int size);

// atol's reading: white space, an optional sign, digits up to the first other
// character; no digits give 0. Saturates instead of overflowing.
long ParseNumber(const char* text);
