// The settings file through the real profile functions.
#include "exclusion_text.h"
#include "memory_blocks.h"
#include "settings_file.h"
#include "win32_window_system.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kSection[] = "ExPlace";

class ProfileFileTest : public ::testing::Test {
protected:
    Win32WindowSystem profile{nullptr};
    std::string folder = ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string path = folder + "ExPlace_tester.ini";

    Settings Load(const std::string& fileText)
    {
        WriteWholeFile(path, fileText);
        Settings s{-1, -1, -1, -1, -1, false, true};
        LoadSettings(profile, kSection, path.c_str(), s);
        return s;
    }
};

}  // namespace

TEST_F(ProfileFileTest, LoadingTable)
{
    struct Case {
        const char* file;
        int left, right, top, bottom, interval;
        bool openFolder, ie;
    };
    const Case cases[] = {
        {"", 0, 319, 0, 239, 2000, true, false},
        {"[ExPlace]\r\nLeft=10\r\nRight=700\r\nTop=20\r\nBottom=500\r\nCheckInterval=750\r\nWorkOpenFolder=0\r\nWorkIE=1\r\n",
         10, 700, 20, 500, 750, false, true},
        {"[ExPlace]\r\nLeft=100\r\nRight=200\r\nTop=300\r\nBottom=0\r\n", 100, 227, 300, 427, 2000, true, false},
        {"[ExPlace]\r\nBottom=\r\nRight=-4\r\n", 0, 319, 0, 239, 2000, true, false},
        {"[ExPlace]\r\nBottom=100000\r\nLeft=12abc\r\n", 12, 319, 0, 239, 2000, true, false},
        {"[ExPlace]\r\nCheckInterval=499\r\nWorkOpenFolder=10\r\nWorkIE=2\r\n", 0, 319, 0, 239, 2000, true, false},
        {"[ExPlace]\r\nCheckInterval=10000\r\nWorkOpenFolder=2\r\nWorkIE=\r\n", 0, 319, 0, 239, 10000, true, false},
        {"[ExPlace]\r\nCheckInterval=10001\r\n", 0, 319, 0, 239, 2000, true, false},
        {"[Other]\r\nLeft=50\r\n[ExPlace]\r\nTop=60\r\n", 0, 319, 60, 239, 2000, true, false},
        // Longer than the 8-byte buffer: what is read is cut, and then too long.
        {"[ExPlace]\r\nRight=123456789012345\r\nCheckInterval=5000000000\r\n", 0, 319, 0, 239, 2000, true, false},
    };
    for (const Case& c : cases) {
        Settings s = Load(c.file);
        EXPECT_EQ(c.left, s.Left) << c.file;
        EXPECT_EQ(c.right, s.Right) << c.file;
        EXPECT_EQ(c.top, s.Top) << c.file;
        EXPECT_EQ(c.bottom, s.Bottom) << c.file;
        EXPECT_EQ(c.interval, s.CheckInterval) << c.file;
        EXPECT_EQ(c.openFolder, s.WorkOpenFolder) << c.file;
        EXPECT_EQ(c.ie, s.WorkIE) << c.file;
    }
}

TEST_F(ProfileFileTest, MissingFileGivesDefaults)
{
    Settings s{};
    LoadSettings(profile, kSection, (folder + "nothing.ini").c_str(), s);
    EXPECT_EQ(319, s.Right);
    EXPECT_EQ(239, s.Bottom);
    EXPECT_EQ(2000, s.CheckInterval);
}

TEST_F(ProfileFileTest, SaveCreatesTheFileWithTheSevenKeysInOrder)
{
    DeleteFileA(path.c_str());
    SaveSettings(profile, kSection, path.c_str(), Settings{12, 900, 34, 700, 10000, false, true});
    const std::string text = ReadWholeFile(path);
    const char* keys[] = {"[ExPlace]", "Left=12", "Right=900", "Top=34", "Bottom=700", "CheckInterval=10000",
                          "WorkOpenFolder=0", "WorkIE=1"};
    size_t at = 0;
    for (const char* key : keys) {
        size_t found = text.find(key, at);
        ASSERT_NE(std::string::npos, found) << key << " in order in:\n" << text;
        at = found;
    }
}

TEST_F(ProfileFileTest, SaveKeepsTheExclusionKeys)
{
    WriteWholeFile(path, "[ExPlace]\r\nExcept1=A\r\nLeft=5\r\n");
    SaveSettings(profile, kSection, path.c_str(), Settings{0, 319, 0, 239, 2000, true, false});
    char value[kPathSize];
    EXPECT_TRUE(ReadExclusionEntry(profile, kSection, path.c_str(), 1, value));
    EXPECT_STREQ("A", value);
}

TEST_F(ProfileFileTest, ExclusionEntriesStopAtTheGapAndLongValuesAreCut)
{
    const std::string longCaption(700, 'L');
    WriteWholeFile(path, "[ExPlace]\r\nExcept1=B\r\nExcept2=" + longCaption + "\r\nExcept3=A\r\nExcept5=E\r\n");
    char* text = BuildExclusionText(profile, kSection, path.c_str());
    ASSERT_NE(nullptr, text);
    EXPECT_EQ("\xFF\xFF" "B\xFF\xFF" + std::string(519, 'L') + "\xFF\xFF" "A\xFF\xFF", std::string(text));
    FreeBlock(text);
    EXPECT_NE(std::string::npos, ReadWholeFile(path).find("Except5=E"));
}

TEST_F(ProfileFileTest, ExclusionTextIsEmptyWithoutAFile)
{
    char* text = BuildExclusionText(profile, kSection, (folder + "nothing.ini").c_str());
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("", text);
    FreeBlock(text);
}
