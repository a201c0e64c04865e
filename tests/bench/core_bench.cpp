// Look-up and insertion in the handled-window list, and a whole pass over
// fake windows. Run: build/native/tests/bench/core_bench
#include "fake_window_system.h"
#include "handled_windows.h"
#include "watch_pass.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

namespace {

// A list of n handles spread over the 32-bit range, as windows of a long session.
void FillList(HandledWindowList& list, int n)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<WindowHandle> any;
    while (list.count < n) {
        WindowHandle h = any(rng);
        HandleSlot slot = FindHandle(list, h);
        if (!slot.found)
            InsertHandle(list, slot.position, h);
    }
}

void BM_LookUp(benchmark::State& state)
{
    HandledWindowList list{};
    CreateHandledWindows(list);
    FillList(list, static_cast<int>(state.range(0)));
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> pick(0, list.count - 1);
    for (auto _ : state) {
        WindowHandle h = list.handles[pick(rng)] + (rng() & 1);  // present or absent
        benchmark::DoNotOptimize(FindHandle(list, h));
    }
    FreeHandledWindows(list);
}
BENCHMARK(BM_LookUp)->Arg(100)->Arg(10000)->Arg(1000000);

void BM_Insert(benchmark::State& state)
{
    HandledWindowList list{};
    CreateHandledWindows(list);
    FillList(list, static_cast<int>(state.range(0)));
    std::mt19937 rng(13);
    std::uniform_int_distribution<WindowHandle> any;
    for (auto _ : state) {
        WindowHandle h = any(rng);
        HandleSlot slot = FindHandle(list, h);
        if (slot.found)
            continue;
        InsertHandle(list, slot.position, h);
        state.PauseTiming();
        std::memmove(list.handles + slot.position, list.handles + slot.position + 1,
                     static_cast<size_t>(list.count - 1 - slot.position) * sizeof(WindowHandle));
        --list.count;  // keep the size steady
        state.ResumeTiming();
    }
    FreeHandledWindows(list);
}
BENCHMARK(BM_Insert)->Arg(100)->Arg(10000)->Arg(1000000);

class AllTargets : public TargetOptionSource {
public:
    TargetOptions ReadTargetOptions() override { return {true, true}; }
};

void BM_WatchPass(benchmark::State& state)
{
    FakeWindowSystem ws;
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i)
        ws.AddWindow(0x10000u + 2u * static_cast<WindowHandle>(i), i % 3 ? "CabinetWClass" : "Notepad",
                     "Folder " + std::to_string(i));
    std::string exclusions = "\xFF\xFF" "Folder 7\xFF\xFF" "Folder 11\xFF\xFF";
    AllTargets options;
    Settings target{0, 319, 0, 239, 2000, true, false};
    HandledWindowList list{};
    CreateHandledWindows(list);
    WatchPass pass{&ws, &options, &target, exclusions.c_str(), &list};
    for (auto _ : state) {
        ws.examined.clear();
        RunWatchPass(pass);  // after the first pass every window is known: the steady state
    }
    FreeHandledWindows(list);
}
BENCHMARK(BM_WatchPass)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
