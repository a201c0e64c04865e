// Resource, control, command, timer and message identifiers.
#pragma once

// Dialog templates and icons.
#define IDD_MAIN 101
#define IDD_PLACEMENT 102
#define IDI_NORMAL 105
#define IDI_ACTIVE 106
#define IDD_EXCLUSIONS 107

// Main window controls.
#define IDC_LEFT 1002
#define IDC_RIGHT 1003
#define IDC_TOP 1004
#define IDC_BOTTOM 1005
#define IDC_PLACE 1006
#define IDC_APPLY_POS 1007
#define IDC_INTERVAL 1008
#define IDC_APPLY_INTERVAL 1009
#define IDC_START_STOP 1010
#define IDC_CLEAR 1011
#define IDC_EXIT 1012
#define IDC_README 1013
#define IDC_NO_OPEN_WINDOWS 1014
#define IDC_ALSO_IE 1015
#define IDC_SIZE_LABEL 1016
#define IDC_EXCLUSIONS 1017

// Placement window controls.
#define IDC_PLACE_RECT 1002
#define IDC_CAPTURE 1006
#define IDC_FULLSCREEN 1007

// Exclusion list editor controls.
#define IDC_EXCL_EDIT 1002
#define IDC_EXCL_TAKE 1006
#define IDC_EXCL_ADD 1007
#define IDC_EXCL_LIST 1017

// Notification-area menu commands; IDM_SHOW_SETTINGS is also what a second
// start of the program posts to the running one.
#define IDM_SHOW_SETTINGS 0xC001
#define IDM_TOGGLE_WATCH 0xC011
#define IDM_CLEAR_HANDLED 0xC101
#define IDM_SHOW_README 0xCF00
#define IDM_EXIT 0xCFFF

// Window messages of our own.
#define WM_SHOW_SETTINGS 0xC001  // the bare message form of the show-settings request
#define WM_TRAYNOTIFY 0xC100  // notification-area callback

// Timers.
#define WATCH_TIMER 11
#define BLINK_TIMER 12
#define CAPTURE_TIMER 21
