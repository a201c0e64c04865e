#include "exclusion_text.h"

#include "fake_window_system.h"
#include "memory_blocks.h"
#include "watch_pass.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kSection[] = "ExPlace";
const char kPath[] = "C:\\Apps\\ExPlace_user1.ini";

std::string Build(FakeWindowSystem& ws)
{
    char* text = BuildExclusionText(ws, kSection, kPath);
    EXPECT_NE(nullptr, text);
    std::string result = text ? text : "<null>";
    FreeBlock(text);
    return result;
}

}  // namespace

TEST(ExclusionText, MarkersAroundEveryEntryInFileOrder)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", "B"}, {"Except2", "A"}, {"Except3", "ダウンロード"}, {"Except5", "gap"}};
    EXPECT_EQ("\xFF\xFF" "B\xFF\xFF" "A\xFF\xFF" "ダウンロード\xFF\xFF", Build(ws));
}

TEST(ExclusionText, NoEntriesGiveTheMarkersAndNoFileTheEmptyString)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Left", "0"}};
    EXPECT_EQ("\xFF\xFF", Build(ws));
    ws.profile.clear();
    ws.fileSizeOverride = 0;  // an empty file still gets room for the markers
    EXPECT_EQ("\xFF\xFF", Build(ws));
    ws.fileExists = false;
    EXPECT_EQ("", Build(ws));
}

TEST(ExclusionText, GrowsWhenTheFileGrewAfterItsSizeWasRead)
{
    FakeWindowSystem ws;
    for (int i = 1; i <= 50; ++i)
        ws.profile[kSection]["Except" + std::to_string(i)] = std::string(400, static_cast<char>('a' + i % 26));
    ws.fileSizeOverride = 10;  // the size read before the keys were written
    const std::string text = Build(ws);  // ASan reports any write past the block
    EXPECT_EQ(2u + 50u * 402u, text.size());
    EXPECT_TRUE(IsCaptionExcluded(text.c_str(), std::string(400, 'a' + 50 % 26).c_str()));
}

TEST(ExclusionText, ExhaustedMemoryGivesNull)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", "A"}};
    FailingAllocations failing;
    EXPECT_EQ(nullptr, BuildExclusionText(ws, kSection, kPath));
    ws.fileExists = false;
    EXPECT_EQ(nullptr, BuildExclusionText(ws, kSection, kPath));
}

TEST(ExclusionText, FailedGrowthFreesTheFirstBlockAndGivesNull)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", std::string(300, 'x')}};
    ws.fileSizeOverride = 10;
    FailingAllocations failing(100);  // the first block fits, its growth does not
    EXPECT_EQ(nullptr, BuildExclusionText(ws, kSection, kPath));  // LeakSanitizer checks the free
    EXPECT_EQ(2, FailingAllocations::attempts);
}
