// The command line and the program's identity, as start-up reads them.
#include "app_identity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(StartSwitch, AnyLetterCaseAmongOtherTokensSeparatedBySpacesOnly)
{
    const std::pair<const char*, bool> cases[] = {
        {"-start", true},
        {"-START", true},
        {"-Start", true},
        {"foo -start bar", true},
        {"  -start  ", true},
        {"foo  -sTaRt", true},
        {"", false},
        {"start", false},
        {"-starts", false},
        {"--start", false},
        {"-start\tfoo", false},  // a tab does not separate: one token
        {"foo\t-start", false},
        {"/start", false},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.second, HasStartSwitch(c.first)) << '"' << c.first << '"';
    EXPECT_FALSE(HasStartSwitch(nullptr));
}

TEST(AppIdentity, DirectoryKeepsItsBackslashAndTheNameLosesItsLastExtension)
{
    struct Case {
        const char* fullPath;
        const char* directory;
        const char* appName;
    };
    const Case cases[] = {
        {"C:\\Apps\\Tool.exe", "C:\\Apps\\", "Tool"},
        {"C:\\Apps\\ExPlace.exe", "C:\\Apps\\", "ExPlace"},
        {"C:\\Apps\\Tool.v2.exe", "C:\\Apps\\", "Tool.v2"},
        {"C:\\Apps\\Tool", "C:\\Apps\\", "Tool"},
        {"C:\\My.Apps\\Tool", "C:\\My.Apps\\", "Tool"},
    };
    for (const Case& c : cases) {
        AppIdentity identity = {};
        const std::string path = c.fullPath;
        SplitProgramPath(c.fullPath, c.fullPath + path.find_last_of('\\') + 1, identity);
        EXPECT_STREQ(c.directory, identity.programDirectory) << c.fullPath;
        EXPECT_STREQ(c.appName, identity.appName) << c.fullPath;
        std::strcpy(identity.userName, "user1");
        char settings[kPathSize];
        SettingsPathOf(identity, settings);
        EXPECT_EQ(std::string(c.directory) + c.appName + "_user1.ini", settings);
    }
}

TEST(AppIdentity, ComputedFromTheRunningModule)
{
    AppIdentity identity = {};
    ASSERT_TRUE(ComputeAppIdentity(identity));
    EXPECT_STREQ("win32_shell_tests", identity.appName);
    const std::string directory = identity.programDirectory;
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ('\\', directory.back());
}
