#include "memory_blocks.h"

#include <cstdlib>

static BlockAllocator currentAllocator = std::malloc;

void* AllocateBlock(size_t bytes) { return currentAllocator(bytes); }

void FreeBlock(void* block) { std::free(block); }

BlockAllocator SetBlockAllocator(BlockAllocator allocator)
{
    BlockAllocator previous = currentAllocator;
    currentAllocator = allocator ? allocator : std::malloc;
    return previous;
}
