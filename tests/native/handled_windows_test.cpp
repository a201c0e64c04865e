#include "handled_windows.h"

#include "fake_window_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace {

// A list holding exactly these handles (sorted, distinct), in a block of the real size.
struct ListOf {
    HandledWindowList list{};
    explicit ListOf(std::vector<WindowHandle> handles)
    {
        EXPECT_TRUE(CreateHandledWindows(list));
        std::sort(handles.begin(), handles.end());
        handles.erase(std::unique(handles.begin(), handles.end()), handles.end());
        std::copy(handles.begin(), handles.end(), list.handles);
        list.count = static_cast<int>(handles.size());
    }
    ~ListOf() { FreeHandledWindows(list); }
    ListOf(const ListOf&) = delete;
    ListOf& operator=(const ListOf&) = delete;
    std::vector<WindowHandle> Contents() const { return {list.handles, list.handles + list.count}; }
};

HandleSlot PlainScan(const std::vector<WindowHandle>& sorted, WindowHandle h)
{
    auto it = std::lower_bound(sorted.begin(), sorted.end(), h);
    return HandleSlot{it != sorted.end() && *it == h, static_cast<int>(it - sorted.begin())};
}

std::vector<WindowHandle> RandomHandles(std::mt19937& rng, int n)
{
    std::set<WindowHandle> s = {0u, 0xFFFFFFFFu};  // the extremes always take part
    std::uniform_int_distribution<WindowHandle> any;
    while (static_cast<int>(s.size()) < n)
        s.insert(any(rng));
    std::vector<WindowHandle> v(s.begin(), s.end());
    if (n < 2)
        v.resize(static_cast<size_t>(n));
    return v;
}

void ExpectLookUpAgreesWithScan(const std::vector<WindowHandle>& held, std::mt19937& rng)
{
    ListOf l(held);
    std::vector<WindowHandle> sorted = l.Contents();
    std::vector<WindowHandle> probes = sorted;
    std::uniform_int_distribution<WindowHandle> any;
    for (int i = 0; i < 64; ++i)
        probes.push_back(any(rng));
    for (WindowHandle h : sorted) {  // the neighbours of every held handle
        probes.push_back(h - 1);
        probes.push_back(h + 1);
    }
    probes.push_back(0);
    probes.push_back(0xFFFFFFFFu);
    for (WindowHandle h : probes) {
        HandleSlot expected = PlainScan(sorted, h);
        HandleSlot got = FindHandle(l.list, h);
        ASSERT_EQ(expected.found, got.found) << "n=" << sorted.size() << " h=" << h;
        ASSERT_EQ(expected.position, got.position) << "n=" << sorted.size() << " h=" << h;
    }
}

}  // namespace

TEST(HandledWindowLookUp, AgreesWithPlainScanAcrossNarrowingBoundaries)
{
    std::mt19937 rng(1234);
    std::vector<int> sizes;
    for (int n = 0; n <= 20; ++n)
        sizes.push_back(n);  // 15 scans, 16 is the first to narrow
    for (int n = 95; n <= 105; ++n)
        sizes.push_back(n);  // 3 steps up to 99, 6 from 100
    for (int n = 995; n <= 1005; ++n)
        sizes.push_back(n);  // 6 steps up to 999, 9 from 1,000
    sizes.push_back(9999);
    sizes.push_back(10000);
    for (int n : sizes) {
        ExpectLookUpAgreesWithScan(RandomHandles(rng, n), rng);
        // Dense runs of neighbouring handles, as real window handles come.
        std::vector<WindowHandle> dense;
        for (int i = 0; i < n; ++i)
            dense.push_back(0x10020u + 2u * static_cast<WindowHandle>(i));
        ExpectLookUpAgreesWithScan(dense, rng);
    }
}

TEST(HandledWindowLookUp, HandlesAboveTwoToThe31SortAsUnsigned)
{
    ListOf l({0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 1u});
    EXPECT_EQ((std::vector<WindowHandle>{1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu}), l.Contents());
    EXPECT_EQ(3, FindHandle(l.list, 0x90000000u).position);
    EXPECT_EQ(4, FindHandle(l.list, 0xFFFFFFFFu).position);
    EXPECT_TRUE(FindHandle(l.list, 0x80000000u).found);
}

TEST(HandledWindowList, RandomInsertsAndPrunesStayASortedSet)
{
    std::mt19937 rng(99);
    FakeWindowSystem ws;
    HandledWindowList list{};
    ASSERT_TRUE(CreateHandledWindows(list));
    std::set<WindowHandle> model;
    std::uniform_int_distribution<WindowHandle> small(1, 3000);  // collisions happen
    for (int round = 0; round < 40; ++round) {
        for (int i = 0; i < 150; ++i) {
            WindowHandle h = (round % 3 == 0) ? std::uniform_int_distribution<WindowHandle>()(rng) : small(rng);
            HandleSlot slot = FindHandle(list, h);
            ASSERT_EQ(model.count(h) == 1, slot.found);
            if (!slot.found) {
                ASSERT_TRUE(InsertHandle(list, slot.position, h));
                model.insert(h);
                ws.windows[h].exists = true;
            }
        }
        // Close about a third of the windows, then prune.
        for (WindowHandle h : std::vector<WindowHandle>(model.begin(), model.end()))
            if (rng() % 3 == 0) {
                ws.windows[h].exists = false;
                model.erase(h);
            }
        PruneHandledWindows(list, ws);
        ASSERT_EQ(std::vector<WindowHandle>(model.begin(), model.end()),
                  std::vector<WindowHandle>(list.handles, list.handles + list.count));
    }
    FreeHandledWindows(list);
}

TEST(HandledWindowList, InsertsAtTheEndsAndInTheMiddle)
{
    ListOf l({20, 40});
    ASSERT_TRUE(InsertHandle(l.list, FindHandle(l.list, 10).position, 10));
    ASSERT_TRUE(InsertHandle(l.list, FindHandle(l.list, 50).position, 50));
    ASSERT_TRUE(InsertHandle(l.list, FindHandle(l.list, 30).position, 30));
    EXPECT_EQ((std::vector<WindowHandle>{10, 20, 30, 40, 50}), l.Contents());
}

TEST(HandledWindowList, GrowsBy1024SlotsAtOnceWhenTheInsertionFillsIt)
{
    std::vector<WindowHandle> held;
    for (WindowHandle h = 1; h < kInitialHandleSlots; ++h)
        held.push_back(h * 4);  // 65,535 handles: one short of full
    ListOf l(held);
    ASSERT_EQ(kInitialHandleSlots, l.list.capacity);
    CountedAllocations counted;
    ASSERT_TRUE(InsertHandle(l.list, 0, 1));
    EXPECT_EQ(kInitialHandleSlots, l.list.count);
    EXPECT_EQ(kInitialHandleSlots + kHandleGrowthSlots, l.list.capacity);
    ASSERT_EQ(1u, CountedAllocations::sizes.size());
    EXPECT_EQ(static_cast<size_t>(kInitialHandleSlots) * 4 + 4096, CountedAllocations::sizes[0]);
    EXPECT_EQ(1u, l.list.handles[0]);
    EXPECT_EQ(static_cast<WindowHandle>(kInitialHandleSlots - 1) * 4, l.list.handles[kInitialHandleSlots - 1]);
    // The next insertion needs no growth.
    ASSERT_TRUE(InsertHandle(l.list, l.list.count, 0xFFFFFFF0u));
    EXPECT_EQ(1u, CountedAllocations::sizes.size());
}

TEST(HandledWindowList, FailedGrowthLeavesTheListFullAndIntact)
{
    std::vector<WindowHandle> held;
    for (WindowHandle h = 1; h < kInitialHandleSlots; ++h)
        held.push_back(h * 4);
    ListOf l(held);
    {
        FailingAllocations failing;
        EXPECT_FALSE(InsertHandle(l.list, l.list.count, 0xFFFFFFF0u));
        EXPECT_EQ(kInitialHandleSlots, l.list.count);
        EXPECT_EQ(kInitialHandleSlots, l.list.capacity);
        EXPECT_EQ(0xFFFFFFF0u, l.list.handles[l.list.count - 1]);
        EXPECT_TRUE(std::is_sorted(l.list.handles, l.list.handles + l.list.count));
        // A further insertion into the full block is refused instead of overrunning it.
        EXPECT_FALSE(InsertHandle(l.list, 0, 2));
        EXPECT_EQ(kInitialHandleSlots, l.list.count);
        EXPECT_EQ(4u, l.list.handles[0]);
    }
}

TEST(HandledWindowList, FirstBlockFailureIsReported)
{
    FailingAllocations failing;
    HandledWindowList list{};
    EXPECT_FALSE(CreateHandledWindows(list));
    EXPECT_EQ(nullptr, list.handles);
    EXPECT_EQ(0, list.capacity);
}

TEST(HandledWindowPrune, RemovesFirstMiddleAndLastClosedWindows)
{
    struct Case {
        const char* name;
        std::vector<WindowHandle> closed;
        std::vector<WindowHandle> remaining;
    };
    const Case cases[] = {
        {"first", {10}, {20, 30, 40, 50}},
        {"middle", {30}, {10, 20, 40, 50}},
        {"last", {50}, {10, 20, 30, 40}},
        {"first, middle and last", {10, 30, 50}, {20, 40}},
        {"all", {10, 20, 30, 40, 50}, {}},
        {"none", {}, {10, 20, 30, 40, 50}},
    };
    for (const Case& c : cases) {
        FakeWindowSystem ws;
        for (WindowHandle h : {10u, 20u, 30u, 40u, 50u})
            ws.AddWindow(h, "CabinetWClass", "x");
        for (WindowHandle h : c.closed)
            ws.windows[h].exists = false;
        ListOf l({10, 20, 30, 40, 50});
        PruneHandledWindows(l.list, ws);
        EXPECT_EQ(c.remaining, l.Contents()) << c.name;
        for (int i = l.list.count; i < 5; ++i)
            EXPECT_EQ(0u, l.list.handles[i]) << c.name << ": freed slot " << i;
    }
}

TEST(HandledWindowPrune, KeepsALiveUntitledWindowWhatEverErrorCodeWasLeftBefore)
{
    FakeWindowSystem ws;
    ws.AddWindow(10, "CabinetWClass", "");  // alive, caption emptied
    ws.AddWindow(20, "CabinetWClass", "x");
    ws.windows[20].exists = false;  // read first (prune walks down) and leaves 1400 behind
    ListOf l({10, 20});
    ws.lastError = 5;  // and a code from some earlier call
    PruneHandledWindows(l.list, ws);
    EXPECT_EQ((std::vector<WindowHandle>{10}), l.Contents());
}

TEST(HandledWindowList, ClearForgetsEverythingAndKeepsTheBlock)
{
    ListOf l({1, 2, 3});
    WindowHandle* block = l.list.handles;
    ClearHandledWindows(l.list);
    EXPECT_EQ(0, l.list.count);
    EXPECT_EQ(kInitialHandleSlots, l.list.capacity);
    EXPECT_EQ(block, l.list.handles);
    EXPECT_FALSE(FindHandle(l.list, 2).found);
}
