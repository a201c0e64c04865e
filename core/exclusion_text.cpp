#include "exclusion_text.h"

#include "memory_blocks.h"
#include "settings_file.h"

#include <cstring>

namespace {

struct TextBlock {
    char* text;
    size_t length;  // without the terminator
    size_t size;  // bytes allocated
};

// The file's size is enough in theory (each entry's line is longer than the
// entry), but the file can grow between reading its size and reading its keys;
// then the block grows instead of being overrun.
bool MakeRoom(TextBlock& block, size_t extra)
{
    const size_t needed = block.length + extra + 1;
    if (needed <= block.size)
        return true;
    const size_t larger = needed > block.size * 2 ? needed : block.size * 2;
    char* grown = static_cast<char*>(AllocateBlock(larger));
    if (!grown)
        return false;
    std::memcpy(grown, block.text, block.length + 1);
    FreeBlock(block.text);
    block.text = grown;
    block.size = larger;
    return true;
}

}  // namespace

char* BuildExclusionText(WindowSystem& profile, const char* section, const char* path)
{
    const long fileSize = profile.FileSize(path);
    if (fileSize < 0) {
        char* empty = static_cast<char*>(AllocateBlock(1));
        if (empty)
            empty[0] = '\0';
        return empty;
    }
    TextBlock block;
    block.size = fileSize < 3 ? 3 : static_cast<size_t>(fileSize);
    block.text = static_cast<char*>(AllocateBlock(block.size));
    if (!block.text)
        return nullptr;
    std::memcpy(block.text, "\xFF\xFF", 3);
    block.length = 2;

    char entry[kPathSize];
    for (int i = 1; ReadExclusionEntry(profile, section, path, i, entry); ++i) {
        const size_t entryLength = std::strlen(entry);
        if (!MakeRoom(block, entryLength + 2)) {
            FreeBlock(block.text);
            return nullptr;
        }
        std::memcpy(block.text + block.length, entry, entryLength);
        std::memcpy(block.text + block.length + entryLength, "\xFF\xFF", 3);
        block.length += entryLength + 2;
    }
    return block.text;
}
