// The exclusion text: every excluded caption between marker pairs,
// 0xFF 0xFF entry 0xFF 0xFF entry 0xFF 0xFF ..., searched in one go by the pass.
#pragma once

#include "window_system.h"

// Built when the watch starts from the Except keys of the settings file: the
// empty string when the file cannot be opened, just the two markers when it
// holds no entries. Null only when memory ran out. Free it with FreeBlock.
char* BuildExclusionText(WindowSystem& profile, const char* section, const char* path);
