#include "watch_pass.h"

#include "fake_window_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Answers the check boxes; `script` (when set) gives the answer per call.
class FakeOptions : public TargetOptionSource {
public:
    TargetOptions current{true, false};
    std::vector<TargetOptions> script;
    int reads = 0;
    TargetOptions ReadTargetOptions() override
    {
        TargetOptions o = reads < static_cast<int>(script.size()) ? script[static_cast<size_t>(reads)] : current;
        ++reads;
        return o;
    }
};

std::string Excluding(std::vector<std::string> entries)
{
    std::string text = "\xFF\xFF";
    for (auto& e : entries)
        text += e + "\xFF\xFF";
    return text;
}

class WatchPassTest : public ::testing::Test {
protected:
    FakeWindowSystem ws;
    FakeOptions options;
    Settings target{100, 419, 50, 289, 2000, true, false};  // 320 x 240 at 100, 50
    std::string exclusions = Excluding({});
    HandledWindowList handled{};

    void SetUp() override { ASSERT_TRUE(CreateHandledWindows(handled)); }
    void TearDown() override { FreeHandledWindows(handled); }

    void RunPass()
    {
        WatchPass pass{&ws, &options, &target, exclusions.c_str(), &handled};
        RunWatchPass(pass);
    }
    bool OnTarget(WindowHandle h)
    {
        const FakeWindow& w = ws.windows[h];
        return w.x == 100 && w.y == 50 && w.width == 320 && w.height == 240;
    }
    bool Recorded(WindowHandle h) { return FindHandle(handled, h).found; }
};

}  // namespace

TEST_F(WatchPassTest, ClassFilterFollowsTheOptions)
{
    struct Case {
        const char* className;
        TargetOptions options;
        bool targeted;
    };
    const Case cases[] = {
        {"ExploreWClass", {false, false}, true},
        {"exploreWCLASS", {false, false}, true},
        {"ExplorerWClass", {true, true}, false},
        {"ExploreWClas", {true, true}, false},
        {"CabinetWClass", {true, false}, true},
        {"cabinetwclass", {true, false}, true},
        {"CabinetWClass", {false, true}, false},
        {"IEFrame", {false, true}, true},
        {"ieframe", {false, true}, true},
        {"IEFrame", {true, false}, false},
        {"Notepad", {true, true}, false},
        {"#32770", {true, true}, false},
    };
    WindowHandle h = 0x100;
    for (const Case& c : cases) {
        ws.AddWindow(++h, c.className, "C:\\Users");
        options.current = c.options;
        RunPass();
        EXPECT_EQ(c.targeted, OnTarget(h)) << c.className;
        EXPECT_EQ(c.targeted, Recorded(h)) << c.className;
    }
}

TEST_F(WatchPassTest, OptionsAreReadAfreshForEveryWindowWithAClassName)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    ws.AddWindow(2, "CabinetWClass", "B");
    ws.AddWindow(3, "IEFrame", "");  // untitled: the options are read all the same
    ws.AddWindow(4, "IEFrame", "C");
    options.script = {{true, false}, {false, false}, {true, true}, {true, true}};
    RunPass();
    EXPECT_TRUE(OnTarget(1));
    EXPECT_FALSE(OnTarget(2));
    EXPECT_FALSE(Recorded(2));
    EXPECT_TRUE(OnTarget(4));
    EXPECT_EQ(4, options.reads);
}

TEST_F(WatchPassTest, UncheckingTheOptionLaterReachesAWindowPassedOver)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    options.current = {false, false};
    RunPass();
    EXPECT_EQ(0, ws.windows[1].moves);
    options.current = {true, false};
    RunPass();
    EXPECT_TRUE(OnTarget(1));
}

TEST_F(WatchPassTest, UntitledWindowsAreNeitherMovedNorRecordedUntilTheyGetACaption)
{
    ws.AddWindow(1, "ExploreWClass", "");
    RunPass();
    EXPECT_EQ(0, ws.windows[1].moves);
    EXPECT_FALSE(Recorded(1));
    ws.windows[1].caption = "Documents";
    RunPass();
    EXPECT_TRUE(OnTarget(1));
}

TEST_F(WatchPassTest, EachWindowIsMovedOnceAcrossPasses)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    ws.AddWindow(2, "ExploreWClass", "B");
    RunPass();
    ws.windows[1].x = 700;  // the user puts it elsewhere
    RunPass();
    RunPass();
    EXPECT_EQ(1, ws.windows[1].moves);
    EXPECT_EQ(700, ws.windows[1].x);
    EXPECT_EQ(1, ws.windows[2].moves);
    // A new window arriving later is moved at its first pass.
    ws.AddWindow(3, "CabinetWClass", "C");
    RunPass();
    EXPECT_TRUE(OnTarget(3));
}

TEST_F(WatchPassTest, ExclusionIsAnExactWholeCaptionMatch)
{
    struct Case {
        const char* caption;
        bool excluded;
    };
    exclusions = Excluding({"ダウンロード", "Program Files", "C:\\Work"});
    const Case cases[] = {
        {"Program Files", true},
        {"ダウンロード", true},
        {"C:\\Work", true},
        {"Program", false},  // its beginning
        {"Files", false},  // its end
        {"gram Fil", false},  // an inner piece
        {"program files", false},  // other letter case
        {"Program Files (x86)", false},  // longer
        {"XProgram Files", false},
        {"ダウンロードC:\\Work", false},  // two entries run together
    };
    WindowHandle h = 0x200;
    for (const Case& c : cases) {
        ws.AddWindow(++h, "CabinetWClass", c.caption);
        RunPass();
        EXPECT_EQ(c.excluded, ws.windows[h].moves == 0) << c.caption;
        EXPECT_TRUE(Recorded(h)) << c.caption << ": excluded windows are recorded too";
    }
}

TEST_F(WatchPassTest, ExcludedWindowsStayUnmovedAtLaterPasses)
{
    exclusions = Excluding({"Keep"});
    ws.AddWindow(1, "CabinetWClass", "Keep");
    RunPass();
    exclusions = Excluding({});  // even when the list no longer holds it
    RunPass();
    EXPECT_EQ(0, ws.windows[1].moves);
}

TEST_F(WatchPassTest, EmptyOrMissingExclusionTextExcludesNothing)
{
    exclusions = "";
    ws.AddWindow(1, "CabinetWClass", "A");
    RunPass();
    EXPECT_TRUE(OnTarget(1));
    WatchPass withoutText{&ws, &options, &target, nullptr, &handled};
    ws.AddWindow(2, "CabinetWClass", "B");
    RunWatchPass(withoutText);
    EXPECT_TRUE(OnTarget(2));
}

TEST_F(WatchPassTest, CaptionsAreCutTo1035BytesBeforeTheExclusionTest)
{
    const std::string longCaption(1100, 'a');
    exclusions = Excluding({longCaption, std::string(1035, 'b')});
    ws.AddWindow(1, "CabinetWClass", longCaption);  // read as 1,035 bytes: not the 1,100-byte entry
    ws.AddWindow(2, "CabinetWClass", std::string(1040, 'b'));  // cut to exactly the 1,035-byte entry
    RunPass();
    EXPECT_TRUE(OnTarget(1));
    EXPECT_EQ(0, ws.windows[2].moves);
}

TEST_F(WatchPassTest, ClassNameThatCannotBeReadSkipsTheWindow)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    ws.windows[1].className = "";  // GetClassNameA gives 0
    RunPass();
    EXPECT_EQ(0, ws.windows[1].moves);
    EXPECT_EQ(0, options.reads);
}

TEST_F(WatchPassTest, ClosedWindowsAreForgottenAtTheEndOfThePass)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    ws.AddWindow(2, "CabinetWClass", "B");
    RunPass();
    ws.windows[1].exists = false;
    RunPass();
    EXPECT_FALSE(Recorded(1));
    EXPECT_TRUE(Recorded(2));
}

TEST_F(WatchPassTest, ClearingTheListMakesEveryWindowEligibleAgain)
{
    ws.AddWindow(1, "CabinetWClass", "A");
    RunPass();
    ws.windows[1].x = 5;
    ClearHandledWindows(handled);
    RunPass();
    EXPECT_TRUE(OnTarget(1));
    EXPECT_EQ(2, ws.windows[1].moves);
}

TEST_F(WatchPassTest, FailedGrowthReportsAndEndsThePass)
{
    for (int i = 0; i < kInitialHandleSlots - 1; ++i) {
        handled.handles[i] = 0x10000u + static_cast<WindowHandle>(i);
        ws.windows[handled.handles[i]].caption = "open, handled earlier";  // alive, so prune keeps it
    }
    handled.count = kInitialHandleSlots - 1;
    ws.AddWindow(5, "CabinetWClass", "fills the list");
    ws.AddWindow(6, "CabinetWClass", "never reached");
    FailingAllocations failing;
    RunPass();
    EXPECT_EQ(1, ws.exhaustedReports);
    EXPECT_TRUE(OnTarget(5));
    EXPECT_EQ((std::vector<WindowHandle>{5}), ws.examined);
    EXPECT_EQ(0, ws.windows[6].moves);
    EXPECT_EQ(kInitialHandleSlots, handled.count);
    EXPECT_EQ(5u, handled.handles[0]);
}

TEST(CaptionKey, IsTheCaptionBetweenMarkerPairs)
{
    char key[kCaptionKeySize];
    BuildCaptionKey("ab", key);
    EXPECT_STREQ("\xFF\xFF" "ab" "\xFF\xFF", key);
    BuildCaptionKey(std::string(2000, 'z').c_str(), key);
    EXPECT_EQ(kCaptionKeySize - 1, static_cast<int>(std::string(key).size()));
}
