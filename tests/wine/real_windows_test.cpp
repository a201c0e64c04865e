// The watch pass through the real Win32 layer, on real top-level windows.
#include "handled_windows.h"
#include "watch_pass.h"
#include "win32_window_system.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

bool SameRect(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

class FixedOptions : public TargetOptionSource {
public:
    TargetOptions options{true, false};
    TargetOptions ReadTargetOptions() override { return options; }
};

// Target rectangle 100,50 - 419,289: windows land on 100,50 - 420,290 (exclusive).
class RealWindowsTest : public ::testing::Test {
protected:
    Win32WindowSystem windows{nullptr};
    FixedOptions options;
    Settings target{100, 419, 50, 289, 2000, true, false};
    std::string exclusions = "\xFF\xFF" "Excluded folder\xFF\xFF";
    HandledWindowList handled{};

    void SetUp() override { ASSERT_TRUE(CreateHandledWindows(handled)); }
    void TearDown() override { FreeHandledWindows(handled); }

    void RunPass()
    {
        WatchPass pass{&windows, &options, &target, exclusions.c_str(), &handled};
        RunWatchPass(pass);
    }
    bool OnTarget(HWND w) { return HasRect(w, 100, 50, 420, 290); }
    bool Recorded(HWND w) { return FindHandle(handled, FromHwnd(w)).found; }
};

}  // namespace

TEST_F(RealWindowsTest, APassMovesExactlyTheTargetsAndRecordsExcludedOnesUnmoved)
{
    HWND explore = MakeTopLevelWindow("ExploreWClass", "Explore", 10, 300, 250, 150);
    HWND cabinet = MakeTopLevelWindow("CabinetWClass", "Cabinet", 500, 80, 300, 200);
    HWND ieOff = MakeTopLevelWindow("IEFrame", "IE", 520, 420, 260, 180);
    HWND other = MakeTopLevelWindow("Notepad", "Other", 30, 500, 200, 120);
    HWND excluded = MakeTopLevelWindow("CabinetWClass", "Excluded folder", 650, 300, 220, 140);
    HWND untitled = MakeTopLevelWindow("ExploreWClass", "", 700, 550, 200, 100);
    const RECT excludedBefore = WindowRect(excluded);
    const RECT otherBefore = WindowRect(other);
    const RECT ieBefore = WindowRect(ieOff);

    RunPass();

    EXPECT_TRUE(OnTarget(explore));
    EXPECT_TRUE(OnTarget(cabinet));
    EXPECT_TRUE(SameRect(ieBefore, WindowRect(ieOff)));
    EXPECT_TRUE(SameRect(otherBefore, WindowRect(other)));
    EXPECT_TRUE(SameRect(excludedBefore, WindowRect(excluded)));
    EXPECT_TRUE(Recorded(excluded));
    EXPECT_FALSE(Recorded(untitled));
    EXPECT_FALSE(Recorded(other));
    EXPECT_FALSE(OnTarget(untitled));

    // Once recorded, a window the user moves stays where it was put.
    MoveWindow(cabinet, 600, 100, 300, 200, TRUE);
    options.options = {true, true};
    RunPass();
    EXPECT_TRUE(HasRect(cabinet, 600, 100, 900, 300));
    EXPECT_TRUE(OnTarget(ieOff));

    for (HWND w : {explore, cabinet, ieOff, other, excluded, untitled})
        DestroyWindow(w);
}

TEST_F(RealWindowsTest, DestroyedWindowsAreForgottenAtPrune)
{
    HWND first = MakeTopLevelWindow("CabinetWClass", "First", 10, 10, 200, 150);
    HWND second = MakeTopLevelWindow("CabinetWClass", "Second", 40, 40, 200, 150);
    HWND third = MakeTopLevelWindow("ExploreWClass", "Third", 70, 70, 200, 150);
    RunPass();
    ASSERT_TRUE(Recorded(first) && Recorded(second) && Recorded(third));
    const WindowHandle secondHandle = FromHwnd(second);
    DestroyWindow(second);
    RunPass();
    EXPECT_TRUE(Recorded(first));
    EXPECT_FALSE(FindHandle(handled, secondHandle).found);
    EXPECT_TRUE(Recorded(third));
    DestroyWindow(first);
    DestroyWindow(third);
}

TEST_F(RealWindowsTest, PruneKeepsALiveWindowWhoseCaptionBecameEmpty)
{
    HWND gone = MakeTopLevelWindow("CabinetWClass", "Soon closed", 10, 10, 200, 150);
    HWND live = MakeTopLevelWindow("CabinetWClass", "Renamed later", 40, 40, 200, 150);
    RunPass();
    ASSERT_TRUE(Recorded(live));
    DestroyWindow(gone);
    SetWindowTextA(live, "");
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);  // as left by an earlier failed read
    PruneHandledWindows(handled, windows);
    EXPECT_TRUE(Recorded(live));
    EXPECT_EQ(1, handled.count);
    // And it is not moved again when it gets a caption back.
    MoveWindow(live, 500, 300, 200, 150, TRUE);
    SetWindowTextA(live, "Back");
    RunPass();
    EXPECT_TRUE(HasRect(live, 500, 300, 700, 450));
    DestroyWindow(live);
}

// Another process's window whose thread stops pumping messages, as an Explorer
// waiting on a network drive does: the pass must not wait for it.
TEST_F(RealWindowsTest, AHungWindowOfAnotherProcessDoesNotStallThePass)
{
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "explace-hang-%lu", GetCurrentProcessId());
    const std::string events(prefix);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, (events + ".ready").c_str());
    HANDLE hung = CreateEventA(nullptr, TRUE, FALSE, (events + ".hung").c_str());
    HANDLE resumed = CreateEventA(nullptr, TRUE, FALSE, (events + ".resumed").c_str());
    ChildProcess helper("\"" + ExecutableFolder() + "target_window.exe\" CabinetWClass \"Network drive\" " + events);
    ASSERT_TRUE(helper.started());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ready, 20000));
    HWND target = FindWindowA("CabinetWClass", "Network drive");
    ASSERT_NE(nullptr, target);

    PostMessageA(target, WM_APP, 4000, 0);  // stop pumping for four seconds
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hung, 20000));
    RunPass();
    // The pass came back while the helper's thread was still asleep.
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(resumed, 0));
    EXPECT_TRUE(Recorded(target));

    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(resumed, 20000));
    EXPECT_TRUE(WaitUntil([&] { return OnTarget(target); }));
    PostMessageA(target, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, helper.WaitForExit(10000));
    for (HANDLE h : {ready, hung, resumed})
        CloseHandle(h);
}
