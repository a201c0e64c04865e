// One watch pass: every top-level window is examined, each Explorer window not
// met before is put on the target rectangle (unless its caption is excluded)
// and recorded, and windows that have closed are forgotten.
#pragma once

#include "handled_windows.h"
#include "settings_file.h"
#include "window_system.h"

const int kCaptionBufferSize = 1036;  // caption with its terminator
const int kCaptionKeySize = kCaptionBufferSize + 4;
const int kClassNameSize = 260;

// The two target options, read afresh for every window examined so that a
// change of the check boxes applies from the next window on.
struct TargetOptions {
    bool openWindows;  // "CabinetWClass" windows are targets
    bool internetExplorer;  // "IEFrame" windows are targets
};

class TargetOptionSource {
public:
    virtual ~TargetOptionSource() {}
    virtual TargetOptions ReadTargetOptions() = 0;
};

struct WatchPass {
    WindowSystem* windows;
    TargetOptionSource* options;
    const Settings* settings;  // the target rectangle
    const char* exclusionText;
    HandledWindowList* handled;
};

// The enumeration callback; false only when the handled list could not grow,
// which ends the pass and the program.
bool ExamineWindow(WindowHandle window, void* pass);
void RunWatchPass(WatchPass& pass);

// Whether a window of this class is a target under these options (letter case aside).
bool IsTargetClass(const char* className, TargetOptions options);

// Builds 0xFF 0xFF caption 0xFF 0xFF into key (kCaptionKeySize bytes); the
// caption is cut to kCaptionBufferSize - 1 bytes first.
void BuildCaptionKey(const char* caption, char* key);
// True when the caption equals one whole entry of the exclusion text.
bool IsCaptionExcluded(const char* exclusionText, const char* caption);
