// End to end: the real program in a folder of its own, other processes'
// windows for it to place, and the user's and Windows' requests from outside.
#include "resource.h"
#include "texts.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string UserName()
{
    char name[64] = "";
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

struct TopLevelSearch {
    DWORD process;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM searchPointer)
{
    TopLevelSearch* search = reinterpret_cast<TopLevelSearch*>(searchPointer);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = "", title[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (process == search->process && lstrcmpA(className, search->className) == 0 &&
        (!search->title || lstrcmpA(title, search->title) == 0)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(const ChildProcess& process, const char* className, const char* title)
{
    TopLevelSearch search = {process.id(), className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A window of another process, as Explorer's windows are.
class TargetWindow {
public:
    TargetWindow(const char* className, const char* caption, int x, int y)
    {
        static int serial;
        char prefix[64];
        std::snprintf(prefix, sizeof prefix, "explace-e2e-%lu-%d", GetCurrentProcessId(), ++serial);
        ready_ = CreateEventA(nullptr, TRUE, FALSE, (std::string(prefix) + ".ready").c_str());
        char line[512];
        std::snprintf(line, sizeof line, "\"%starget_window.exe\" %s \"%s\" %s %d %d 300 200",
                      ExecutableFolder().c_str(), className, caption, prefix, x, y);
        process_.reset(new ChildProcess(line));
        if (WaitForSingleObject(ready_, 20000) == WAIT_OBJECT_0)
            window = FindWindowOf(*process_, className, caption);
    }
    ~TargetWindow() { CloseHandle(ready_); }
    HWND window = nullptr;

private:
    HANDLE ready_;
    std::unique_ptr<ChildProcess> process_;
};

struct CaptionSearch {
    const char* part;
    HWND found;
};

BOOL CALLBACK MatchCaptionPart(HWND window, LPARAM searchPointer)
{
    CaptionSearch* search = reinterpret_cast<CaptionSearch*>(searchPointer);
    char title[512] = "";
    if (IsWindowVisible(window) && GetWindowTextA(window, title, sizeof title) && std::strstr(title, search->part)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of any process whose caption holds part.
HWND FindWindowWithCaptionPart(const char* part)
{
    CaptionSearch search = {part, nullptr};
    EnumWindows(MatchCaptionPart, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ProgramTest : public ::testing::Test {
protected:
    std::string folder = ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());

    // The program copied under this name into the test's folder; its INI path.
    std::string Install(const char* name)
    {
        CopyFileA((ExecutableFolder() + "ExPlace.exe").c_str(), (folder + name + ".exe").c_str(), FALSE);
        return folder + name + "_" + UserName() + ".ini";
    }
    std::unique_ptr<ChildProcess> Start(const char* name, const char* arguments = "")
    {
        return std::unique_ptr<ChildProcess>(new ChildProcess("\"" + folder + name + ".exe\" " + arguments));
    }
    static HWND MainWindowOf(const ChildProcess& program)
    {
        HWND main = nullptr;
        WaitUntil([&] { return (main = FindWindowOf(program, "#32770", TEXT_APP_TITLE)) != nullptr; }, 20000);
        return main;
    }
    // Answers the exit question the program shows.
    static bool AnswerExitQuestion(const ChildProcess& program, int answer)
    {
        HWND box = nullptr;
        if (!WaitUntil([&] { return (box = FindWindowOf(program, "#32770", CAPTION_CONFIRM_EXIT)) != nullptr; }, 20000))
            return false;
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        return true;
    }
    static void ExpectSevenKeysInOrder(const std::string& iniText, const char* section)
    {
        size_t at = iniText.find(std::string("[") + section + "]");
        ASSERT_NE(std::string::npos, at) << iniText;
        for (const char* key : {"Left=", "Right=", "Top=", "Bottom=", "CheckInterval=", "WorkOpenFolder=", "WorkIE="}) {
            const size_t found = iniText.find(key, at);
            ASSERT_NE(std::string::npos, found) << key << " in order in:\n" << iniText;
            at = found;
        }
    }
};

}  // namespace

TEST_F(ProgramTest, StartSwitchMovesAnotherProcessFolderWindowOnceAndNeverTheOthers)
{
    const std::string ini = Install("ExPlace");
    WriteWholeFile(ini, "[ExPlace]\r\nLeft=100\r\nRight=499\r\nTop=50\r\nBottom=349\r\nCheckInterval=500\r\n"
                        "Except1=Excluded folder\r\n");
    TargetWindow target("CabinetWClass", "Target folder", 600, 400);
    TargetWindow excluded("CabinetWClass", "Excluded folder", 620, 420);
    TargetWindow other("Notepad", "Other window", 640, 440);
    ASSERT_TRUE(target.window && excluded.window && other.window);
    const RECT excludedBefore = WindowRect(excluded.window), otherBefore = WindowRect(other.window);

    auto program = Start("ExPlace", "-start");
    EXPECT_TRUE(WaitUntil([&] { return HasRect(target.window, 100, 50, 500, 350); }, 20000));
    HWND main = MainWindowOf(*program);
    ASSERT_NE(nullptr, main);
    EXPECT_FALSE(IsWindowVisible(main));

    // The user puts it elsewhere; a window opened afterwards marks a later pass.
    MoveWindow(target.window, 300, 300, 300, 200, TRUE);
    TargetWindow marker("CabinetWClass", "Opened later", 660, 460);
    EXPECT_TRUE(WaitUntil([&] { return HasRect(marker.window, 100, 50, 500, 350); }, 20000));
    EXPECT_TRUE(HasRect(target.window, 300, 300, 600, 500));
    RECT r = WindowRect(excluded.window);
    EXPECT_TRUE(EqualRect(&excludedBefore, &r));
    r = WindowRect(other.window);
    EXPECT_TRUE(EqualRect(&otherBefore, &r));
}

TEST_F(ProgramTest, SecondStartExitsWithOneAndShowsTheFirstWhileCopiesUnderOtherNamesRun)
{
    const std::string ini = Install("ExPlace");
    const std::string beforeIni = Install("Before");
    Install("After");
    WriteWholeFile(ini, "[ExPlace]\r\nCheckInterval=500\r\n");
    // Same title, other names: the copies run beside it. One starts before it
    // and one after, so that a search by title alone meets a copy first,
    // whichever way the windows are enumerated.
    auto before = Start("Before", "-start");
    HWND beforeMain = MainWindowOf(*before);
    auto first = Start("ExPlace", "-start");
    HWND firstMain = MainWindowOf(*first);
    auto after = Start("After", "-start");
    HWND afterMain = MainWindowOf(*after);
    ASSERT_TRUE(beforeMain && firstMain && afterMain);
    EXPECT_FALSE(IsWindowVisible(firstMain));

    auto second = Start("ExPlace");
    EXPECT_EQ(1u, second->WaitForExit(20000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(firstMain) != FALSE; }, 20000));
    EXPECT_FALSE(IsWindowVisible(beforeMain));  // only the instance of the same name is asked
    EXPECT_FALSE(IsWindowVisible(afterMain));
    EXPECT_EQ("[ExPlace]\r\nCheckInterval=500\r\n", ReadWholeFile(ini));  // the second start wrote nothing

    // A copy ends normally and leaves a file of its own.
    PostMessageA(beforeMain, WM_COMMAND, IDC_EXIT, 0);
    ASSERT_TRUE(AnswerExitQuestion(*before, IDYES));
    EXPECT_EQ(0u, before->WaitForExit(20000));
    ExpectSevenKeysInOrder(ReadWholeFile(beforeIni), "Before");
    EXPECT_EQ(std::string::npos, ReadWholeFile(ini).find("Left="));
    EXPECT_EQ(STILL_ACTIVE, first->WaitForExit(0));
}

TEST_F(ProgramTest, ExitFromTheTrayMenuAnsweredYesEndsWithZeroAndSavesTheSettings)
{
    const std::string ini = Install("ExPlace");
    auto program = Start("ExPlace", "-start");
    HWND main = MainWindowOf(*program);
    ASSERT_NE(nullptr, main);
    PostMessageA(main, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowOf(*program, "#32768", nullptr)) != nullptr; }, 20000));
    // From no selection, Up goes to the last item, "終了する".
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(AnswerExitQuestion(*program, IDYES));
    EXPECT_EQ(0u, program->WaitForExit(20000));
    ExpectSevenKeysInOrder(ReadWholeFile(ini), "ExPlace");
}

TEST_F(ProgramTest, ExitAnsweredNoKeepsItRunning)
{
    Install("ExPlace");
    auto program = Start("ExPlace");
    HWND main = MainWindowOf(*program);
    ASSERT_NE(nullptr, main);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(AnswerExitQuestion(*program, IDNO));
    EXPECT_TRUE(WaitUntil([&] { return FindWindowOf(*program, "#32770", CAPTION_CONFIRM_EXIT) == nullptr; }, 20000));
    EXPECT_EQ(STILL_ACTIVE, program->WaitForExit(0));
}

// The program may reach its own save before the kill; the in-process test
// EndOfWindowsShutsDownAtOnceAndSavesTheFile pins the save at WM_ENDSESSION.
TEST_F(ProgramTest, WindowsEndingLeavesTheSettingsWrittenEvenIfTheProcessIsKilledAtOnce)
{
    const std::string ini = Install("ExPlace");
    auto program = Start("ExPlace");
    HWND main = MainWindowOf(*program);
    ASSERT_NE(nullptr, main);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 20000, &result);
    EXPECT_NE(0u, result);  // it lets Windows end
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 20000, &result);
    TerminateProcess(program->process(), 7);  // as Windows may, before the loop saves
    program->WaitForExit(20000);
    ExpectSevenKeysInOrder(ReadWholeFile(ini), "ExPlace");
}

TEST_F(ProgramTest, TheQuestionMarkButtonOpensTheReadMeFileOfTheProgramFolder)
{
    Install("ExPlace");
    const char* readMe = FORMAT_README_PATH + 2;  // the file name, without the folder's "%s"
    WriteWholeFile(folder + readMe, "ExPlace read-me\r\n");
    auto program = Start("ExPlace");
    HWND main = MainWindowOf(*program);
    ASSERT_NE(nullptr, main);
    PostMessageA(main, WM_COMMAND, IDC_README, 0);
    // The shell's default action for .txt: an editor whose caption names the file.
    HWND editor = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        editor = FindWindowWithCaptionPart(readMe);
        return editor != nullptr;
    }, 30000));
    if (editor)
        PostMessageA(editor, WM_CLOSE, 0, 0);
}
