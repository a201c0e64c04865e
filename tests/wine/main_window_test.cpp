// The settings window, the watch start and stop and the tray icon, through
// the real template and the real Win32 calls.
#include "main_window_fixture.h"

#include "fake_window_system.h"
#include "handled_windows.h"
#include "memory_blocks.h"
#include "tray_icon.h"

#include <vector>

namespace {

const Settings kStart{0, 319, 0, 239, 2000, true, false};

bool SameSettingsRect(const Settings& a, const Settings& b)
{
    return a.Left == b.Left && a.Right == b.Right && a.Top == b.Top && a.Bottom == b.Bottom;
}

}  // namespace

TEST_F(MainWindowTest, InitialisationFillsTheBoxesAndAddsTheTrayIcon)
{
    g_mainWindow.settings = Settings{10, 400, 20, 300, 750, false, true};
    CreateMainWindow();
    EXPECT_EQ("10", ItemText(main, IDC_LEFT));
    EXPECT_EQ("400", ItemText(main, IDC_RIGHT));
    EXPECT_EQ("20", ItemText(main, IDC_TOP));
    EXPECT_EQ("300", ItemText(main, IDC_BOTTOM));
    EXPECT_EQ("750", ItemText(main, IDC_INTERVAL));
    EXPECT_EQ("(391, 281)", ItemText(main, IDC_SIZE_LABEL));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(main, IDC_NO_OPEN_WINDOWS));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(main, IDC_ALSO_IE));
    EXPECT_EQ(TEXT_APP_TITLE, TextOf(main));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(TrayIconPresent());
    EXPECT_EQ(std::string(TEXT_APP_TITLE), g_mainWindow.trayIcon.szTip);
    EXPECT_EQ(static_cast<UINT_PTR>(BLINK_TIMER), g_mainWindow.blinkTimer);
    // Centred on the 1,024 x 768 desktop.
    RECT r = WindowRect(main);
    EXPECT_EQ((1024 - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ((768 - (r.bottom - r.top)) / 2, r.top);
}

TEST_F(MainWindowTest, ApplyingTheRectangleChecksItAgainstTheScreen)
{
    struct Case {
        const char *left, *top, *right, *bottom;
        const char* message;  // null: accepted
        int focus;
    };
    const Case cases[] = {
        {"896", "0", "1023", "239", nullptr, 0},
        {"897", "0", "1023", "239", TEXT_BAD_LEFT, IDC_LEFT},
        {"0", "0", "1023", "239", nullptr, 0},
        {"0", "0", "1024", "239", TEXT_BAD_RIGHT, IDC_RIGHT},
        {"100", "0", "226", "239", TEXT_BAD_RIGHT, IDC_RIGHT},  // R = L + 126
        {"100", "0", "227", "239", nullptr, 0},  // R = L + 127
        {"0", "640", "319", "767", nullptr, 0},
        {"0", "641", "319", "767", TEXT_BAD_TOP, IDC_TOP},
        {"0", "0", "319", "768", TEXT_BAD_BOTTOM, IDC_BOTTOM},
        {"0", "100", "319", "226", TEXT_BAD_BOTTOM, IDC_BOTTOM},
        {"abc", "0", "319", "239", nullptr, 0},  // no leading digits: 0
        {"0", "0", "x319", "239", TEXT_BAD_RIGHT, IDC_RIGHT},
        {"1000", "1000", "0", "0", TEXT_BAD_LEFT, IDC_LEFT},  // the first failure wins
        {"0", "1000", "100", "0", TEXT_BAD_RIGHT, IDC_RIGHT},
    };
    CreateMainWindow();
    ShowWindow(main, SW_SHOW);
    for (const Case& c : cases) {
        g_mainWindow.settings = kStart;
        SetBox(IDC_LEFT, c.left);
        SetBox(IDC_TOP, c.top);
        SetBox(IDC_RIGHT, c.right);
        SetBox(IDC_BOTTOM, c.bottom);
        ModalDriver driver(main);
        if (c.message)
            driver.ThenAnswerMessageBox(IDOK);
        Command(IDC_APPLY_POS);
        const std::string name = std::string(c.left) + "," + c.top + "-" + c.right + "," + c.bottom;
        if (!c.message) {
            EXPECT_TRUE(driver.messageBoxes.empty()) << name;
            EXPECT_EQ(ParseNumber(c.left), g_mainWindow.settings.Left) << name;
            EXPECT_EQ(ParseNumber(c.bottom), g_mainWindow.settings.Bottom) << name;
            continue;
        }
        ASSERT_EQ(1u, driver.messageBoxes.size()) << name;
        const SeenMessageBox& box = driver.messageBoxes[0];
        EXPECT_EQ(c.message, box.text) << name;
        EXPECT_EQ(CAPTION_ABORTED, box.caption) << name;
        EXPECT_EQ("error", box.icon) << name;
        EXPECT_EQ(main, box.owner) << name;
        EXPECT_EQ(GetDlgItem(main, c.focus), GetFocus()) << name;
        EXPECT_TRUE(SameSettingsRect(kStart, g_mainWindow.settings)) << name;
    }
    // The label follows an accepted rectangle.
    SetBox(IDC_LEFT, "10");
    SetBox(IDC_TOP, "20");
    SetBox(IDC_RIGHT, "509");
    SetBox(IDC_BOTTOM, "419");
    Command(IDC_APPLY_POS);
    EXPECT_EQ("(500, 400)", ItemText(main, IDC_SIZE_LABEL));
}

TEST_F(MainWindowTest, ApplyingTheIntervalChecksItsBounds)
{
    const std::pair<const char*, int> cases[] = {
        {"499", 0}, {"500", 500}, {"10000", 10000}, {"10001", 0}, {"abc", 0}, {"750ms", 750},
    };
    CreateMainWindow();
    ShowWindow(main, SW_SHOW);
    for (auto& c : cases) {
        g_mainWindow.settings.CheckInterval = 2000;
        SetBox(IDC_INTERVAL, c.first);
        ModalDriver driver(main);
        if (!c.second)
            driver.ThenAnswerMessageBox(IDOK);
        Command(IDC_APPLY_INTERVAL);
        EXPECT_EQ(c.second ? c.second : 2000, g_mainWindow.settings.CheckInterval) << c.first;
        if (c.second) {
            EXPECT_TRUE(driver.messageBoxes.empty()) << c.first;
        } else {
            ASSERT_EQ(1u, driver.messageBoxes.size()) << c.first;
            EXPECT_EQ(TEXT_BAD_INTERVAL, driver.messageBoxes[0].text);
            EXPECT_EQ(CAPTION_ABORTED, driver.messageBoxes[0].caption);
            EXPECT_EQ("error", driver.messageBoxes[0].icon);
        }
        EXPECT_EQ(GetDlgItem(main, IDC_INTERVAL), GetFocus()) << c.first;
    }
}

TEST_F(MainWindowTest, StartLocksExactlyFourControlsAndStopUnlocksThem)
{
    const int locked[] = {IDC_PLACE, IDC_APPLY_POS, IDC_APPLY_INTERVAL, IDC_EXCLUSIONS};
    const int usable[] = {IDC_LEFT, IDC_RIGHT, IDC_TOP, IDC_BOTTOM, IDC_INTERVAL, IDC_NO_OPEN_WINDOWS,
                          IDC_ALSO_IE, IDC_START_STOP, IDC_CLEAR, IDC_README, IDC_EXIT};
    CreateMainWindow();
    ShowWindow(main, SW_SHOW);
    Command(IDC_START_STOP);
    EXPECT_TRUE(g_mainWindow.watchRunning);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(TEXT_STOP_BUTTON, ItemText(main, IDC_START_STOP));
    EXPECT_EQ(static_cast<UINT_PTR>(WATCH_TIMER), g_mainWindow.watchTimer);
    for (int id : locked)
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : usable)
        EXPECT_TRUE(Enabled(id)) << id;

    Command(IDC_START_STOP);
    EXPECT_FALSE(g_mainWindow.watchRunning);
    EXPECT_FALSE(IsWindowVisible(main));  // stopping does not show the window
    EXPECT_EQ(TEXT_START_BUTTON, ItemText(main, IDC_START_STOP));
    EXPECT_EQ(0u, g_mainWindow.watchTimer);
    EXPECT_EQ(nullptr, g_mainWindow.exclusionText);
    for (int id : locked)
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(MainWindowTest, TheWatchUsesTheExclusionsOfTheFileAndTheCheckBoxesAtEachPass)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=Keep me\r\nExcept2=Me too\r\n");
    CreateMainWindow();
    HWND kept = MakeTopLevelWindow("CabinetWClass", "Keep me", 500, 300, 200, 150);
    HWND cabinet = MakeTopLevelWindow("CabinetWClass", "Moved", 520, 320, 200, 150);
    HWND ie = MakeTopLevelWindow("IEFrame", "Browser", 540, 340, 200, 150);
    CheckDlgButton(main, IDC_NO_OPEN_WINDOWS, BST_CHECKED);
    Command(IDC_START_STOP);
    ASSERT_STREQ("\xFF\xFF" "Keep me\xFF\xFF" "Me too\xFF\xFF", g_mainWindow.exclusionText);
    SendMessageA(main, WM_TIMER, g_mainWindow.watchTimer, 0);
    EXPECT_FALSE(HasRect(cabinet, 0, 0, 320, 240));
    CheckDlgButton(main, IDC_NO_OPEN_WINDOWS, BST_UNCHECKED);
    CheckDlgButton(main, IDC_ALSO_IE, BST_CHECKED);
    SendMessageA(main, WM_TIMER, g_mainWindow.watchTimer, 0);
    EXPECT_TRUE(HasRect(cabinet, 0, 0, 320, 240));
    EXPECT_TRUE(HasRect(ie, 0, 0, 320, 240));
    EXPECT_TRUE(HasRect(kept, 500, 300, 700, 450));
    // Stop and start again: windows met in the first run are not moved again.
    Command(IDC_START_STOP);
    MoveWindow(cabinet, 600, 400, 200, 150, TRUE);
    Command(IDC_START_STOP);
    SendMessageA(main, WM_TIMER, g_mainWindow.watchTimer, 0);
    EXPECT_TRUE(HasRect(cabinet, 600, 400, 800, 550));
    // The clear command makes them eligible again.
    PostMessageA(main, WM_COMMAND, IDM_CLEAR_HANDLED, 0);
    WaitUntil([] { return g_mainWindow.handled.count == 0; }, 5000);
    SendMessageA(main, WM_TIMER, g_mainWindow.watchTimer, 0);
    EXPECT_TRUE(HasRect(cabinet, 0, 0, 320, 240));
    for (HWND w : {kept, cabinet, ie})
        DestroyWindow(w);
}

TEST_F(MainWindowTest, WithoutASettingsFileNothingIsExcluded)
{
    CreateMainWindow();
    Command(IDC_START_STOP);
    ASSERT_NE(nullptr, g_mainWindow.exclusionText);
    EXPECT_STREQ("", g_mainWindow.exclusionText);
}

TEST_F(MainWindowTest, EnterAndEscAreIgnored)
{
    CreateMainWindow();
    ShowWindow(main, SW_SHOW);
    ModalDriver driver(main);
    Command(IDOK);
    Command(IDCANCEL);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(driver.messageBoxes.empty());
    EXPECT_EQ(12345, DrainQuit());
}

TEST_F(MainWindowTest, MinimiseHidesAndShowSettingsBringsItBack)
{
    CreateMainWindow();
    ShowWindow(main, SW_SHOW);
    SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    Command(IDM_SHOW_SETTINGS);
    EXPECT_TRUE(IsWindowVisible(main));
    ShowWindow(main, SW_HIDE);
    SendMessageA(main, WM_SHOW_SETTINGS, 0, 0);  // the bare message form
    EXPECT_TRUE(IsWindowVisible(main));
    ShowWindow(main, SW_HIDE);
    SendMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main));
    ShowWindow(main, SW_HIDE);
    SendMessageA(main, WM_TRAYNOTIFY, 0, WM_LBUTTONUP);  // a single click does nothing
    EXPECT_FALSE(IsWindowVisible(main));
}

TEST_F(MainWindowTest, OnlyOneExitQuestionAndNothingRunsWhileItIsOpen)
{
    CreateMainWindow();
    HWND folder = MakeTopLevelWindow("CabinetWClass", "Folder", 500, 300, 200, 150);
    Command(IDC_START_STOP);
    ModalDriver driver(main);
    int blinkBefore = -1;
    HICON iconBefore = nullptr;
    driver.Then([&](HWND box) {
        // While the question is open: a second close request, a pass and a blink all do nothing.
        SendMessageA(main, WM_CLOSE, 0, 0);
        blinkBefore = g_mainWindow.blinkPhase;
        iconBefore = g_mainWindow.trayIcon.hIcon;
        for (int i = 0; i < 3; ++i) {
            SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
            SendMessageA(main, WM_TIMER, WATCH_TIMER, 0);
        }
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    SendMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, driver.messageBoxes.size());
    EXPECT_EQ(0, driver.unexpected);
    EXPECT_EQ(TEXT_CONFIRM_EXIT, driver.messageBoxes[0].text);
    EXPECT_EQ(CAPTION_CONFIRM_EXIT, driver.messageBoxes[0].caption);
    EXPECT_EQ("question", driver.messageBoxes[0].icon);
    EXPECT_EQ(blinkBefore, static_cast<int>(g_mainWindow.blinkPhase));
    EXPECT_EQ(iconBefore, g_mainWindow.trayIcon.hIcon);
    EXPECT_TRUE(HasRect(folder, 500, 300, 700, 450));
    EXPECT_FALSE(g_mainWindow.uiBusy);
    // No: the program goes on.
    EXPECT_NE(nullptr, g_mainWindow.handled.handles);
    EXPECT_EQ(12345, DrainQuit());
    DestroyWindow(folder);
}

TEST_F(MainWindowTest, ExitAnsweredYesShutsDown)
{
    CreateMainWindow();
    CheckDlgButton(main, IDC_NO_OPEN_WINDOWS, BST_CHECKED);
    CheckDlgButton(main, IDC_ALSO_IE, BST_CHECKED);
    Command(IDC_START_STOP);
    ModalDriver driver(main);
    driver.ThenAnswerMessageBox(IDYES);
    Command(IDC_EXIT);  // posts the close request
    WaitUntil([&] { return driver.messageBoxes.size() == 1 && !g_mainWindow.handled.handles; }, 5000);
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    EXPECT_EQ(nullptr, g_mainWindow.exclusionText);
    EXPECT_EQ(0u, g_mainWindow.watchTimer);
    EXPECT_FALSE(g_mainWindow.settings.WorkOpenFolder);
    EXPECT_TRUE(g_mainWindow.settings.WorkIE);
    EXPECT_FALSE(TrayIconPresent());
    EXPECT_EQ(0, DrainQuit());
}

TEST_F(MainWindowTest, EndOfWindowsShutsDownAtOnceAndSavesTheFile)
{
    CreateMainWindow();
    g_mainWindow.uiBusy = true;  // whatever is in progress
    CheckDlgButton(main, IDC_ALSO_IE, BST_CHECKED);
    EXPECT_TRUE(SendMessageA(main, WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    SendMessageA(main, WM_ENDSESSION, TRUE, 0);
    const std::string text = ReadWholeFile(iniPath);
    EXPECT_NE(std::string::npos, text.find("WorkIE=1")) << text;
    EXPECT_NE(std::string::npos, text.find("CheckInterval=2000")) << text;
    EXPECT_EQ(0, DrainQuit());
}

TEST_F(MainWindowTest, CommandsStillQueuedAfterShutdownDoNothing)
{
    CreateMainWindow();
    Command(IDC_START_STOP);
    const UINT_PTR watchTimer = g_mainWindow.watchTimer;
    ShutdownMainWindow(main);
    DrainQuit();
    PostMessageA(main, WM_COMMAND, IDC_START_STOP, 0);
    PostMessageA(main, WM_COMMAND, IDC_START_STOP, 0);
    PostMessageA(main, WM_COMMAND, IDC_CLEAR, 0);
    PostMessageA(main, WM_TIMER, watchTimer, 0);
    PostMessageA(main, WM_TIMER, BLINK_TIMER, 0);
    DrainQuit();
    EXPECT_EQ(nullptr, g_mainWindow.exclusionText);
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    EXPECT_EQ(0u, g_mainWindow.watchTimer);
}

TEST_F(MainWindowTest, FailedListAllocationQuitsWithMinusOneAndNoIcon)
{
    {
        FailingAllocations failing;
        CreateMainWindow();
    }
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    EXPECT_EQ(0u, g_mainWindow.blinkTimer);
    EXPECT_FALSE(TrayIconPresent());
    PostMessageA(main, WM_COMMAND, IDC_START_STOP, 0);  // as "-start" posts it
    EXPECT_EQ(-1, DrainQuit());
    EXPECT_EQ(nullptr, g_mainWindow.exclusionText);
}

TEST_F(MainWindowTest, NoMemoryForTheExclusionTextEndsTheProgram)
{
    CreateMainWindow();
    ModalDriver driver(main);
    driver.ThenAnswerMessageBox(IDOK);
    {
        FailingAllocations failing;
        Command(IDC_START_STOP);
    }
    ASSERT_EQ(1u, driver.messageBoxes.size());
    EXPECT_EQ(TEXT_SYSTEM_ERROR, driver.messageBoxes[0].text);
    EXPECT_EQ(CAPTION_FORCED_END, driver.messageBoxes[0].caption);
    EXPECT_EQ("error", driver.messageBoxes[0].icon);
    EXPECT_FALSE(g_mainWindow.watchRunning);
    EXPECT_EQ(0, DrainQuit());  // the posted WM_DESTROY ran the shutdown step
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
}

TEST_F(MainWindowTest, TrayMenuItemsFollowTheWatchState)
{
    struct Item {
        UINT id;
        const char* text;  // null: separator
    };
    const std::vector<Item> stopped = {
        {0, TEXT_MENU_HEADER}, {0, nullptr}, {IDM_SHOW_SETTINGS, TEXT_MENU_SHOW_SETTINGS}, {0, nullptr},
        {IDM_TOGGLE_WATCH, TEXT_MENU_START}, {0, nullptr}, {IDM_SHOW_README, TEXT_MENU_README}, {0, nullptr},
        {IDM_EXIT, TEXT_MENU_EXIT}};
    const std::vector<Item> running = {
        {0, TEXT_MENU_HEADER}, {0, nullptr}, {IDM_SHOW_SETTINGS, TEXT_MENU_SHOW_SETTINGS}, {0, nullptr},
        {IDM_TOGGLE_WATCH, TEXT_MENU_STOP}, {0, nullptr}, {IDM_CLEAR_HANDLED, TEXT_MENU_CLEAR}, {0, nullptr},
        {IDM_SHOW_README, TEXT_MENU_README}, {0, nullptr}, {IDM_EXIT, TEXT_MENU_EXIT}};
    for (bool watching : {false, true}) {
        HMENU menu = BuildTrayMenu(watching);
        const std::vector<Item>& want = watching ? running : stopped;
        ASSERT_EQ(static_cast<int>(want.size()), GetMenuItemCount(menu));
        for (size_t i = 0; i < want.size(); ++i) {
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            if (!want[i].text) {
                EXPECT_TRUE(state & MF_SEPARATOR) << i;
                continue;
            }
            char text[128] = "";
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(want[i].text, std::string(text)) << i;
            EXPECT_EQ(want[i].id, GetMenuItemID(menu, static_cast<int>(i))) << i;
            EXPECT_EQ(i == 0, (state & MF_DISABLED) != 0) << i;  // only the heading, and not greyed
            EXPECT_FALSE(state & MF_GRAYED && i != 0) << i;
        }
        DestroyMenu(menu);
    }
}

namespace {
HMENU shownMenu;
bool busyWhileShown;
int shownItems;
void CALLBACK CloseTheMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup)
        return;  // not open yet
    KillTimer(nullptr, timer);
    shownMenu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    shownItems = shownMenu ? GetMenuItemCount(shownMenu) : -1;
    busyWhileShown = g_mainWindow.uiBusy;
    EndMenu();
}
}  // namespace

TEST_F(MainWindowTest, RightClickShowsTheMenuWithTicksHeldOff)
{
    CreateMainWindow();
    Command(IDC_START_STOP);
    shownMenu = nullptr;
    shownItems = 0;
    SetTimer(nullptr, 0, 50, CloseTheMenu);
    SendMessageA(main, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    EXPECT_EQ(11, shownItems);  // the running menu
    EXPECT_TRUE(busyWhileShown);
    EXPECT_FALSE(g_mainWindow.uiBusy);
}

TEST_F(MainWindowTest, TheIconBlinksTwoTicksEachWhileWatching)
{
    CreateMainWindow();
    HICON normal = g_program.normalIcon, active = g_program.activeIcon;
    ASSERT_NE(nullptr, normal);
    ASSERT_NE(nullptr, active);
    ASSERT_NE(normal, active);
    Command(IDC_START_STOP);
    std::vector<HICON> seen;
    for (int tick = 0; tick < 8; ++tick) {
        SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
        seen.push_back(g_mainWindow.trayIcon.hIcon);
    }
    EXPECT_EQ((std::vector<HICON>{normal, active, active, normal, normal, active, active, normal}), seen);
    EXPECT_TRUE(TrayIconPresent());
    // Stopped while the active picture shows: the next tick puts the normal one back.
    SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
    SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
    ASSERT_EQ(active, g_mainWindow.trayIcon.hIcon);
    Command(IDC_START_STOP);
    SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
    EXPECT_EQ(normal, g_mainWindow.trayIcon.hIcon);
}

TEST_F(MainWindowTest, TaskbarCreatedAddsTheIconAgain)
{
    CreateMainWindow();
    Command(IDC_START_STOP);
    SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);
    SendMessageA(main, WM_TIMER, BLINK_TIMER, 0);  // the active picture shows
    Shell_NotifyIconA(NIM_DELETE, &g_mainWindow.trayIcon);  // Explorer restarted
    ASSERT_FALSE(TrayIconPresent());
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent());
    EXPECT_EQ(g_program.activeIcon, g_mainWindow.trayIcon.hIcon);
}

TEST_F(MainWindowTest, AListThatCannotGrowStopsThePassTellsTheUserAndEndsTheProgram)
{
    CreateMainWindow();
    Command(IDC_START_STOP);
    HandledWindowList& list = g_mainWindow.handled;
    for (int i = 0; i < kInitialHandleSlots - 1; ++i)
        list.handles[i] = 0xFFFF0000u + static_cast<WindowHandle>(i);  // stand-ins: one short of full
    list.count = kInitialHandleSlots - 1;
    HWND folder = MakeTopLevelWindow("CabinetWClass", "The one too many", 500, 300, 200, 150);
    ModalDriver driver(main);
    driver.ThenAnswerMessageBox(IDOK);
    {
        FailingAllocations failing;
        SendMessageA(main, WM_TIMER, g_mainWindow.watchTimer, 0);
    }
    ASSERT_EQ(1u, driver.messageBoxes.size());
    EXPECT_EQ(TEXT_SYSTEM_ERROR, driver.messageBoxes[0].text);
    EXPECT_EQ(CAPTION_FORCED_END, driver.messageBoxes[0].caption);
    EXPECT_EQ("error", driver.messageBoxes[0].icon);
    EXPECT_EQ(nullptr, driver.messageBoxes[0].owner);
    EXPECT_EQ(0, DrainQuit());  // the posted WM_DESTROY ran the shutdown step
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    EXPECT_FALSE(TrayIconPresent());
    DestroyWindow(folder);
}
