#include "handled_windows.h"

#include "memory_blocks.h"

#include <cstring>

bool CreateHandledWindows(HandledWindowList& list)
{
    list.count = 0;
    list.handles = static_cast<WindowHandle*>(AllocateBlock(kInitialHandleSlots * sizeof(WindowHandle)));
    list.capacity = list.handles ? kInitialHandleSlots : 0;
    return list.handles != nullptr;
}

void FreeHandledWindows(HandledWindowList& list)
{
    FreeBlock(list.handles);
    list.handles = nullptr;
    list.count = 0;
    list.capacity = 0;
}

// 3 x (number of decimal digits of n - 1), counted without floating point so
// that it is exact at every power of ten.
static int NarrowingSteps(int n)
{
    int steps = 0;
    for (int rest = n / 10; rest > 0; rest /= 10)
        steps += 3;
    return steps;
}

static HandleSlot ScanRange(const WindowHandle* handles, int lo, int hi, WindowHandle window)
{
    for (int i = lo; i <= hi; ++i) {
        if (handles[i] == window)
            return HandleSlot{true, i};
        if (handles[i] > window)
            return HandleSlot{false, i};
    }
    return HandleSlot{false, hi + 1};
}

HandleSlot FindHandle(const HandledWindowList& list, WindowHandle window)
{
    const WindowHandle* handles = list.handles;
    const int n = list.count;
    if (n == 0)
        return HandleSlot{false, 0};
    int lo = 0;
    int hi = n - 1;
    if (n >= 16) {
        // lo only ever lands on a smaller (or, when it stops, equal) handle and
        // hi on a larger one, so the scan below answers as a full scan would.
        int mid = (n - 1) / 2;
        for (int step = NarrowingSteps(n); step > 0; --step) {
            if (window == handles[lo])
                break;
            if (window == handles[mid]) {
                lo = mid;
                break;
            }
            if (window == handles[hi]) {
                lo = hi;
                break;
            }
            if (window > handles[mid]) {
                lo = mid;
                mid = mid + (hi - mid) / 2;
            }
            if (window < handles[mid]) {
                hi = mid;
                mid = lo + (mid - lo) / 2;
            }
        }
    }
    return ScanRange(handles, lo, hi, window);
}

static bool GrowHandles(HandledWindowList& list)
{
    WindowHandle* larger = static_cast<WindowHandle*>(
        AllocateBlock(static_cast<size_t>(list.count) * sizeof(WindowHandle) + kHandleGrowthSlots * sizeof(WindowHandle)));
    if (!larger)
        return false;
    std::memcpy(larger, list.handles, static_cast<size_t>(list.count) * sizeof(WindowHandle));
    FreeBlock(list.handles);
    list.handles = larger;
    list.capacity += kHandleGrowthSlots;
    return true;
}

bool InsertHandle(HandledWindowList& list, int position, WindowHandle window)
{
    // Full only after a growth that failed; never write past the block.
    if (list.count >= list.capacity && !GrowHandles(list))
        return false;
    std::memmove(list.handles + position + 1, list.handles + position,
                 static_cast<size_t>(list.count - position) * sizeof(WindowHandle));
    list.handles[position] = window;
    ++list.count;
    if (list.count == list.capacity)
        return GrowHandles(list);
    return true;
}

void PruneHandledWindows(HandledWindowList& list, WindowSystem& windows)
{
    char scratch[1024];
    for (int i = list.count - 1; i >= 0; --i) {
        // A failed read only tells that the window is gone when the error code
        // is its own: an older code must not drop a live window whose caption
        // is empty, or that window would be moved again later.
        windows.ClearLastError();
        if (windows.ReadCaption(list.handles[i], scratch, sizeof scratch) != 0 || windows.LastError() == 0)
            continue;
        std::memmove(list.handles + i, list.handles + i + 1,
                     static_cast<size_t>(list.count - 1 - i) * sizeof(WindowHandle));
        --list.count;
        list.handles[list.count] = 0;
    }
}

void ClearHandledWindows(HandledWindowList& list) { list.count = 0; }
