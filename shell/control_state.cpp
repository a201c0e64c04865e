#include "control_state.h"

void SetControlDisabled(HWND control, bool disabled)
{
    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    style = disabled ? (style | WS_DISABLED) : (style & ~static_cast<LONG_PTR>(WS_DISABLED));
    SetWindowLongPtrA(control, GWL_STYLE, style);
    ShowWindow(control, SW_HIDE);
    ShowWindow(control, SW_SHOW);
}
