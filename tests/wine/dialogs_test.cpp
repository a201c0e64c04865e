// The placement window and the exclusion list editor, opened from the real
// main window and driven inside their modal loops.
#include "main_window_fixture.h"

#include "exclusion_editor.h"

#include <vector>

namespace {

class PlacementTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateMainWindow();
        ShowWindow(main, SW_SHOW);
    }
};

// A script for the placement window, then the end of its modal loop checked.
struct Opened {
    HWND dialog = nullptr;
    std::string caption, box;
    RECT rect = {};
};

void Remember(HWND dialog, Opened& o)
{
    o.dialog = dialog;
    o.caption = TextOf(dialog);
    o.box = ItemText(dialog, IDC_PLACE_RECT);
    o.rect = WindowRect(dialog);
}

}  // namespace

TEST_F(PlacementTest, OpensOnTheTargetRectangleAndShowsItsSize)
{
    ModalDriver driver(main);
    Opened o;
    driver.Then([&](HWND dialog) {
        Remember(dialog, o);
        PressButton(dialog, IDCANCEL);
    });
    Command(IDC_PLACE);
    EXPECT_EQ(0u, driver.pending());
    EXPECT_EQ(0, o.rect.left);
    EXPECT_EQ(0, o.rect.top);
    EXPECT_EQ(320, o.rect.right);
    EXPECT_EQ(240, o.rect.bottom);
    EXPECT_EQ(std::string("\x83\x47\x83\x4e\x83\x58\x83\x76\x83\x8d\x81\x5b\x83\x89 (320, 240)"), o.caption);
    EXPECT_EQ("(0, 0)-(319, 239)", o.box);
    EXPECT_FALSE(IsWindow(o.dialog));
    EXPECT_EQ("0", ItemText(main, IDC_LEFT));  // cancelled: the boxes are untouched
}

TEST_F(PlacementTest, ConfirmWritesTheBoxesAndTheMainWindowAppliesThem)
{
    ModalDriver driver(main);
    driver.Then([&](HWND dialog) {
        MoveWindow(dialog, 100, 50, 400, 300, TRUE);
        EXPECT_EQ("(100, 50)-(499, 349)", ItemText(dialog, IDC_PLACE_RECT));
        PressButton(dialog, IDOK);
    });
    Command(IDC_PLACE);
    EXPECT_EQ("100", ItemText(main, IDC_LEFT));
    EXPECT_EQ("499", ItemText(main, IDC_RIGHT));
    EXPECT_EQ("50", ItemText(main, IDC_TOP));
    EXPECT_EQ("349", ItemText(main, IDC_BOTTOM));
    EXPECT_EQ(100, g_mainWindow.settings.Left);
    EXPECT_EQ(499, g_mainWindow.settings.Right);
    EXPECT_EQ(349, g_mainWindow.settings.Bottom);
    EXPECT_EQ("(400, 300)", ItemText(main, IDC_SIZE_LABEL));
}

TEST_F(PlacementTest, TooSmallGoesBackToTheSettingsCornerWithTheLastGoodSize)
{
    g_mainWindow.settings = Settings{100, 419, 50, 289, 2000, true, false};
    ModalDriver driver(main);
    RECT afterNarrow = {}, afterLow = {};
    driver.Then([&](HWND dialog) {
        MoveWindow(dialog, 300, 200, 400, 300, TRUE);
        MoveWindow(dialog, 500, 400, 100, 300, TRUE);  // 100 wide: too narrow
        afterNarrow = WindowRect(dialog);
        MoveWindow(dialog, 200, 100, 300, 126, TRUE);  // 126 high: too low
        afterLow = WindowRect(dialog);
        PressButton(dialog, IDCANCEL);
    });
    Command(IDC_PLACE);
    EXPECT_EQ(100, afterNarrow.left);
    EXPECT_EQ(50, afterNarrow.top);
    EXPECT_EQ(400, afterNarrow.right - afterNarrow.left);
    EXPECT_EQ(300, afterNarrow.bottom - afterNarrow.top);
    EXPECT_EQ(100, afterLow.left);
    EXPECT_EQ(400, afterLow.right - afterLow.left);
    EXPECT_EQ(300, afterLow.bottom - afterLow.top);
}

TEST_F(PlacementTest, A127PixelWideSampleIsTakenButTheMainWindowRejectsIt)
{
    ModalDriver driver(main);
    std::string caption;
    driver.Then([&](HWND dialog) {
        MoveWindow(dialog, 10, 10, 127, 200, TRUE);
        caption = TextOf(dialog);
        PressButton(dialog, IDOK);
    });
    driver.ThenAnswerMessageBox(IDOK);
    Command(IDC_PLACE);
    EXPECT_NE(std::string::npos, caption.find("(127, 200)"));
    ASSERT_EQ(1u, driver.messageBoxes.size());
    EXPECT_EQ(TEXT_BAD_RIGHT, driver.messageBoxes[0].text);
    EXPECT_EQ(319, g_mainWindow.settings.Right);
}

TEST_F(PlacementTest, CaptureRefusesEnterEscAndASecondCaptureUntilItsTick)
{
    HWND front = MakeTopLevelWindow("CabinetWClass", "Front", 150, 120, 500, 350);
    ModalDriver driver(main);
    bool stillOpenAfterKeys = false;
    RECT captured = {};
    driver.Then([&](HWND dialog) {
        PressButton(dialog, IDC_CAPTURE);
        PressButton(dialog, IDOK);
        PressButton(dialog, IDCANCEL);
        PressButton(dialog, IDC_CAPTURE);
        stillOpenAfterKeys = IsWindowVisible(dialog) != FALSE;
        SetForegroundWindow(front);
        WaitUntil([&] { return GetForegroundWindow() == front; }, 5000);
        SendMessageA(dialog, WM_TIMER, CAPTURE_TIMER, 0);  // what the 5-second timer delivers
        captured = WindowRect(dialog);
        PressButton(dialog, IDCANCEL);  // taken again once the capture is over
    });
    Command(IDC_PLACE);
    EXPECT_TRUE(stillOpenAfterKeys);
    EXPECT_EQ(0u, driver.pending());
    EXPECT_EQ(150, captured.left);
    EXPECT_EQ(120, captured.top);
    EXPECT_EQ(650, captured.right);
    EXPECT_EQ(470, captured.bottom);
    DestroyWindow(front);
}

TEST_F(PlacementTest, CaptureWhileItStaysInFrontChangesNothing)
{
    ModalDriver driver(main);
    RECT before = {}, after = {};
    driver.Then([&](HWND dialog) {
        before = WindowRect(dialog);
        PressButton(dialog, IDC_CAPTURE);
        SetForegroundWindow(dialog);
        SendMessageA(dialog, WM_TIMER, CAPTURE_TIMER, 0);
        after = WindowRect(dialog);
        PressButton(dialog, IDCANCEL);
    });
    Command(IDC_PLACE);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(PlacementTest, FullScreenThenConfirmIsAccepted)
{
    ModalDriver driver(main);
    driver.Then([&](HWND dialog) {
        PressButton(dialog, IDC_FULLSCREEN);
        PressButton(dialog, IDOK);
    });
    Command(IDC_PLACE);
    EXPECT_TRUE(driver.messageBoxes.empty());
    EXPECT_EQ(0, g_mainWindow.settings.Left);
    EXPECT_EQ(1023, g_mainWindow.settings.Right);
    EXPECT_EQ(0, g_mainWindow.settings.Top);
    EXPECT_EQ(767, g_mainWindow.settings.Bottom);
}

namespace {

class ExclusionEditorTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateMainWindow();
    }

    std::vector<std::string> Entries(HWND dialog)
    {
        std::vector<std::string> entries;
        const int n = static_cast<int>(SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char text[600] = "";
            SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    void Add(HWND dialog, const std::string& caption)
    {
        SetDlgItemTextA(dialog, IDC_EXCL_EDIT, caption.c_str());
        PressButton(dialog, IDC_EXCL_ADD);
    }
    // The entries of the file, read as the watch reads them.
    std::vector<std::string> FileEntries()
    {
        std::vector<std::string> entries;
        char value[kPathSize];
        for (int i = 1; i <= 1001; ++i) {
            char key[16];
            ExclusionKey(i, key, sizeof key);
            if (GetPrivateProfileStringA("ExPlace", key, "", value, sizeof value, iniPath.c_str()) == 0)
                break;
            entries.push_back(value);
        }
        return entries;
    }
    // Except1=w1 to ExceptN=wN.
    void WriteNumberedEntries(int n)
    {
        std::string file = "[ExPlace]\r\n";
        for (int i = 1; i <= n; ++i)
            file += "Except" + std::to_string(i) + "=w" + std::to_string(i) + "\r\n";
        WriteWholeFile(iniPath, file);
    }
    std::string FileValue(const char* key)
    {
        char value[kPathSize] = "";
        GetPrivateProfileStringA("ExPlace", key, "<missing>", value, sizeof value, iniPath.c_str());
        return value;
    }
    void Open(std::function<void(HWND)> script, ModalDriver& driver)
    {
        driver.Then(std::move(script));
        Command(IDC_EXCLUSIONS);
        EXPECT_EQ(0u, driver.pending());
    }
};

}  // namespace

TEST_F(ExclusionEditorTest, ShowsTheStoredEntriesAndKeepsThemInTheFileWhileOpen)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=C\r\nExcept2=A\r\nExcept3=B\r\n");
    ModalDriver driver(main);
    std::vector<std::string> shown, inFileWhileOpen;
    LRESULT selected = -5;
    std::string caption;
    Open([&](HWND dialog) {
        shown = Entries(dialog);
        selected = SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_GETCURSEL, 0, 0);
        inFileWhileOpen = FileEntries();
        caption = TextOf(dialog);
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ((std::vector<std::string>{"C", "A", "B"}), shown);  // as stored, not sorted
    EXPECT_EQ(0, selected);
    EXPECT_EQ((std::vector<std::string>{"C", "A", "B"}), inFileWhileOpen);
    EXPECT_EQ((std::vector<std::string>{"C", "A", "B"}), FileEntries());
    EXPECT_EQ("\x91\xce\x8f\xdb\x8a\x4f\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x8e\x77\x92\xe8", caption);
}

TEST_F(ExclusionEditorTest, KeysAfterAGapAreLeftAloneUntilTheListReachesThem)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=A\r\nExcept2=B\r\nExcept3=C\r\nExcept5=E\r\n");
    ModalDriver driver(main);
    std::vector<std::string> shown;
    Open([&](HWND dialog) {
        shown = Entries(dialog);
        Add(dialog, "D");
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), shown);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C", "D", "E"}), FileEntries());
}

TEST_F(ExclusionEditorTest, TakingDownRenumbersAndDeletesTheKeysNoLongerUsed)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=A\r\nExcept2=B\r\nExcept3=C\r\nLeft=7\r\n");
    ModalDriver driver(main);
    std::string edit;
    Open([&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_SETCURSEL, 1, 0);
        PressButton(dialog, IDC_EXCL_TAKE);
        edit = ItemText(dialog, IDC_EXCL_EDIT);
        EXPECT_EQ(LB_ERR, SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_GETCURSEL, 0, 0));
        PressButton(dialog, IDC_EXCL_TAKE);  // nothing selected: nothing happens
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ("B", edit);
    EXPECT_EQ((std::vector<std::string>{"A", "C"}), FileEntries());
    EXPECT_EQ("<missing>", FileValue("Except3"));
    EXPECT_EQ("7", FileValue("Left"));
}

TEST_F(ExclusionEditorTest, AddingTheSameCaptionTwiceInARowAddsItOnce)
{
    ModalDriver driver(main);
    std::vector<std::string> shown;
    HWND focus = nullptr, edit = nullptr;
    std::string editText;
    Open([&](HWND dialog) {
        Add(dialog, "A");
        Add(dialog, "A");
        Add(dialog, "B");
        Add(dialog, "A");
        focus = GetFocus();
        edit = GetDlgItem(dialog, IDC_EXCL_EDIT);
        editText = ItemText(dialog, IDC_EXCL_EDIT);
        shown = Entries(dialog);
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "A"}), shown);
    EXPECT_EQ(edit, focus);
    EXPECT_EQ("A", editText);
    // Kept across openings: the same caption again adds nothing.
    Open([&](HWND dialog) {
        Add(dialog, "A");
        shown = Entries(dialog);
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "A"}), shown);
    EXPECT_STREQ("A", LastAddedCaption());
}

TEST_F(ExclusionEditorTest, ArrowsFollowTheListSize)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=Only\r\n");
    ModalDriver driver(main);
    bool takeAfterEmptied = true, takeAfterAdd = false;
    Open([&](HWND dialog) {
        PressButton(dialog, IDC_EXCL_TAKE);
        takeAfterEmptied = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_TAKE)) != FALSE;
        Add(dialog, "New");
        takeAfterAdd = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_TAKE)) != FALSE;
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_FALSE(takeAfterEmptied);
    EXPECT_TRUE(takeAfterAdd);
}

TEST_F(ExclusionEditorTest, AThousandEntriesDisableAddingAndTakingOneEnablesIt)
{
    WriteNumberedEntries(999);
    ModalDriver driver(main);
    bool addAt999 = false, addAt1000 = true, addAfterTake = false;
    Open([&](HWND dialog) {
        addAt999 = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_ADD)) != FALSE;
        Add(dialog, "w1000");
        addAt1000 = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_ADD)) != FALSE;
        SendDlgItemMessageA(dialog, IDC_EXCL_LIST, LB_SETCURSEL, 0, 0);
        PressButton(dialog, IDC_EXCL_TAKE);
        addAfterTake = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_ADD)) != FALSE;
        Add(dialog, "w1");
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_TRUE(addAt999);
    EXPECT_FALSE(addAt1000);
    EXPECT_TRUE(addAfterTake);
    const std::vector<std::string> stored = FileEntries();
    ASSERT_EQ(1000u, stored.size());
    EXPECT_EQ("w2", stored[0]);
    EXPECT_EQ("w1", stored[999]);
}

TEST_F(ExclusionEditorTest, OpeningWithAThousandEntriesStartsWithAddingDisabled)
{
    WriteNumberedEntries(1000);
    ModalDriver driver(main);
    bool addEnabled = true;
    size_t shown = 0;
    Open([&](HWND dialog) {
        addEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_EXCL_ADD)) != FALSE;
        shown = Entries(dialog).size();
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ(1000u, shown);
    EXPECT_FALSE(addEnabled);
    EXPECT_EQ("<missing>", FileValue("Except1001"));
}

TEST_F(ExclusionEditorTest, EmptyOrOverlongCaptionsAreRefused)
{
    ModalDriver driver(main);
    std::vector<std::string> shown;
    driver.Then([&](HWND dialog) {
        Add(dialog, "");
        Add(dialog, std::string(501, 'x'));
        Add(dialog, std::string(500, 'y'));
        shown = Entries(dialog);
        PressButton(dialog, IDCANCEL);
    });
    driver.ThenAnswerMessageBox(IDOK);
    driver.ThenAnswerMessageBox(IDOK);
    Command(IDC_EXCLUSIONS);
    ASSERT_EQ(2u, driver.messageBoxes.size());
    for (const SeenMessageBox& box : driver.messageBoxes) {
        EXPECT_EQ(TEXT_BAD_CAPTION, box.text);
        EXPECT_EQ(CAPTION_ABORTED, box.caption);
        EXPECT_EQ("warning", box.icon);
        EXPECT_NE(main, box.owner);  // the editor owns it
    }
    EXPECT_EQ((std::vector<std::string>{std::string(500, 'y')}), shown);
}

TEST_F(ExclusionEditorTest, TheCloseBoxSavesAndClosesAtEveryOpening)
{
    ModalDriver driver(main);
    for (const char* caption : {"First", "Second"}) {
        Open([&](HWND dialog) {
            Add(dialog, caption);
            SendMessageA(dialog, WM_CLOSE, 0, 0);
            SendMessageA(dialog, WM_CLOSE, 0, 0);  // a second request in the same opening changes nothing
        }, driver);
    }
    EXPECT_EQ((std::vector<std::string>{"First", "Second"}), FileEntries());
}

TEST_F(ExclusionEditorTest, ExitFromTheTrayMenuWhileOpenEndsTheProgramAndKeepsTheList)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=A\r\n");
    ModalDriver driver(main);
    driver.Then([&](HWND dialog) {
        Add(dialog, "B");
        PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);  // what the menu's "終了する" sends
    });
    driver.ThenAnswerMessageBox(IDYES);  // "終了しますか？"
    Command(IDC_EXCLUSIONS);
    ASSERT_EQ(1u, driver.messageBoxes.size());
    EXPECT_EQ(TEXT_CONFIRM_EXIT, driver.messageBoxes[0].text);
    EXPECT_EQ(0, DrainQuit());  // the editor's loop passed the quit on
    EXPECT_EQ(nullptr, g_mainWindow.handled.handles);
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), FileEntries());
}

TEST_F(ExclusionEditorTest, AWatchStartedWhileItIsOpenUsesTheListInTheFile)
{
    WriteWholeFile(iniPath, "[ExPlace]\r\nExcept1=A\r\nExcept2=B\r\n");
    ModalDriver driver(main);
    std::string textWhileOpen;
    Open([&](HWND dialog) {
        SendMessageA(main, WM_COMMAND, IDM_TOGGLE_WATCH, 0);  // from the tray menu
        WaitUntil([] { return g_mainWindow.watchRunning; }, 5000);
        textWhileOpen = g_mainWindow.exclusionText ? g_mainWindow.exclusionText : "<none>";
        PressButton(dialog, IDCANCEL);
    }, driver);
    EXPECT_EQ("\xFF\xFF" "A\xFF\xFF" "B\xFF\xFF", textWhileOpen);
}
