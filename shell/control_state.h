#pragma once

#include <windows.h>

// Sets or clears WS_DISABLED in the control's style, then hides and shows it
// so that it is drawn in its new state.
void SetControlDisabled(HWND control, bool disabled);
