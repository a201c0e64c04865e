#include "fake_window_system.h"

#include "memory_blocks.h"

#include <cstdlib>

int FailingAllocations::attempts = 0;
std::vector<size_t> CountedAllocations::sizes;

static size_t failFrom = 0;
static BlockAllocator saved = nullptr;

static void* FailFromSize(size_t bytes)
{
    ++FailingAllocations::attempts;
    return bytes >= failFrom ? nullptr : std::malloc(bytes);
}

FailingAllocations::FailingAllocations(size_t fromBytes)
{
    failFrom = fromBytes;
    attempts = 0;
    saved = SetBlockAllocator(FailFromSize);
}

FailingAllocations::~FailingAllocations() { SetBlockAllocator(saved); }

static void* CountAndAllocate(size_t bytes)
{
    CountedAllocations::sizes.push_back(bytes);
    return std::malloc(bytes);
}

CountedAllocations::CountedAllocations()
{
    sizes.clear();
    saved = SetBlockAllocator(CountAndAllocate);
}

CountedAllocations::~CountedAllocations() { SetBlockAllocator(saved); }
