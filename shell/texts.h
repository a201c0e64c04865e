// Every text the user sees, in one place. The sources are UTF-8; the build
// compiles narrow literals to code page 932 (-fexec-charset=CP932), so these
// are the Shift_JIS bytes the ANSI calls expect whatever the build machine's
// locale. The assertion stops a build that forgot the flag.
#pragma once

static_assert(sizeof("終了") == 5, "user texts must be compiled to code page 932");

#define TEXT_APP_TITLE "エクスプローラ位置修正ツール"

// Message boxes: texts and captions.
#define TEXT_SYSTEM_ERROR "システムエラー発生！"
#define CAPTION_FORCED_END "強制終了"
#define CAPTION_ABORTED "処理中断"
#define TEXT_BAD_LEFT "Left が不正です。"
#define TEXT_BAD_RIGHT "Right が不正です。"
#define TEXT_BAD_TOP "Top が不正です。"
#define TEXT_BAD_BOTTOM "Bottom が不正です。"
#define TEXT_BAD_INTERVAL "更新間隔は 500～10,000 ミリ秒としてください。"
#define TEXT_TIMER_FAILED "タイマー起動失敗！"
#define TEXT_CONFIRM_EXIT "終了しますか？"
#define CAPTION_CONFIRM_EXIT "終了確認"
#define TEXT_BAD_CAPTION "キャプションは 500 バイト以下で指定してください。"

// Main window.
#define TEXT_START_BUTTON "最小化 ＆ 開始"
#define TEXT_STOP_BUTTON "停止"
#define FORMAT_SIZE_LABEL "(%d, %d)"
#define FORMAT_README_PATH "%s読んで☆.txt"

// Notification-area menu.
#define TEXT_MENU_HEADER "-------- 操作メニュー --------"
#define TEXT_MENU_SHOW_SETTINGS "設定画面を表示する"
#define TEXT_MENU_STOP "停止する"
#define TEXT_MENU_CLEAR "修正ウィンドウ情報をクリアする"
#define TEXT_MENU_START "最小化 ＆ 開始する"
#define TEXT_MENU_README "読んで☆.txt を表示する"
#define TEXT_MENU_EXIT "終了する"

// Placement window.
#define FORMAT_PLACEMENT_RECT "(%d, %d)-(%d, %d)"
#define FORMAT_PLACEMENT_CAPTION "エクスプローラ (%d, %d)"
