// The two large buffers (the handled-window list and the exclusion text) come
// from here, so that tests can make an allocation fail on purpose.
#pragma once

#include <cstddef>

typedef void* (*BlockAllocator)(size_t bytes);

void* AllocateBlock(size_t bytes);
void FreeBlock(void* block);

// Replaces the allocator; returns the one in force before. Null restores malloc.
BlockAllocator SetBlockAllocator(BlockAllocator allocator);
