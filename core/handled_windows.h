// The handled-window list: every targeted window a watch pass has already
// moved or passed over, as a sorted array of handles, so that each window is
// moved once only.
#pragma once

#include "window_system.h"

const int kInitialHandleSlots = 65536;  // 262,144 bytes
const int kHandleGrowthSlots = 1024;

struct HandledWindowList {
    WindowHandle* handles;  // ascending, no duplicates; first `count` slots used
    int count;
    int capacity;
};

// Where a look-up ended: whether the handle is held and, when not, the slot it belongs at.
struct HandleSlot {
    bool found;
    int position;
};

// Allocates the first block. False (and an empty list) when that fails.
bool CreateHandledWindows(HandledWindowList& list);
// Frees the block; the list is empty and holds no block afterwards.
void FreeHandledWindows(HandledWindowList& list);

// The two halves of FindOrInsertHandle. The look-up narrows the range in at
// most 3 x floor(log10 count) steps before a short scan; the insertion shifts
// the tail up and grows the block once it is full. False only when that
// growth failed: the handle is stored and the list is full but intact.
HandleSlot FindHandle(const HandledWindowList& list, WindowHandle window);
bool InsertHandle(HandledWindowList& list, int position, WindowHandle window);

// Drops every handle whose window no longer exists.
void PruneHandledWindows(HandledWindowList& list, WindowSystem& windows);
// Forgets every handle; the block is kept.
void ClearHandledWindows(HandledWindowList& list);
