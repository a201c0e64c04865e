#include "settings_file.h"

#include "fake_window_system.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const char kSection[] = "ExPlace";
const char kPath[] = "C:\\Apps\\ExPlace_user1.ini";

struct LoadCase {
    const char* name;
    std::map<std::string, std::string> file;  // key -> value; absent keys are missing
    Settings expected;
};

const Settings kDefaults{0, 319, 0, 239, 2000, true, false};

Settings With(Settings s, int left, int right, int top, int bottom)
{
    s.Left = left;
    s.Right = right;
    s.Top = top;
    s.Bottom = bottom;
    return s;
}

Settings WithInterval(int ms)
{
    Settings s = kDefaults;
    s.CheckInterval = ms;
    return s;
}

Settings WithFlags(bool openFolder, bool ie)
{
    Settings s = kDefaults;
    s.WorkOpenFolder = openFolder;
    s.WorkIE = ie;
    return s;
}

void ExpectSettingsEqual(const Settings& e, const Settings& g, const char* name)
{
    EXPECT_EQ(e.Left, g.Left) << name;
    EXPECT_EQ(e.Right, g.Right) << name;
    EXPECT_EQ(e.Top, g.Top) << name;
    EXPECT_EQ(e.Bottom, g.Bottom) << name;
    EXPECT_EQ(e.CheckInterval, g.CheckInterval) << name;
    EXPECT_EQ(e.WorkOpenFolder, g.WorkOpenFolder) << name;
    EXPECT_EQ(e.WorkIE, g.WorkIE) << name;
}

}  // namespace

TEST(LoadSettings, TableOfFileValues)
{
    const LoadCase cases[] = {
        {"no keys", {}, kDefaults},
        {"a full set", {{"Left", "10"}, {"Right", "700"}, {"Top", "20"}, {"Bottom", "500"}, {"CheckInterval", "750"}, {"WorkOpenFolder", "0"}, {"WorkIE", "1"}},
         {10, 700, 20, 500, 750, false, true}},
        {"Right below Left + 127", {{"Left", "100"}, {"Right", "200"}}, With(kDefaults, 100, 227, 0, 239)},
        {"Bottom below Top + 127", {{"Top", "300"}, {"Bottom", "0"}}, With(kDefaults, 0, 319, 300, 427)},
        {"Right exactly Left + 127", {{"Left", "100"}, {"Right", "227"}}, With(kDefaults, 100, 227, 0, 239)},
        {"empty Bottom", {{"Bottom", ""}}, kDefaults},
        {"six-character Bottom", {{"Bottom", "100000"}}, kDefaults},
        {"negative Bottom", {{"Bottom", "-5"}}, kDefaults},
        {"negative Right", {{"Right", "-1"}}, kDefaults},
        {"negative Left", {{"Left", "-300"}, {"Right", "400"}}, With(kDefaults, 0, 400, 0, 239)},
        {"negative Top", {{"Top", "-1"}}, kDefaults},
        {"five characters are taken", {{"Left", "99999"}}, With(kDefaults, 99999, 100126, 0, 239)},
        {"trailing non-digits", {{"Left", "12abc"}, {"Top", " 7x"}}, With(kDefaults, 12, 319, 7, 239)},
        {"no leading digits", {{"Left", "abc"}, {"Right", "x500"}}, With(kDefaults, 0, 127, 0, 239)},
        {"value longer than the buffer", {{"Right", "1234567890123"}}, kDefaults},
        {"plus sign", {{"Left", "+40"}}, With(kDefaults, 40, 319, 0, 239)},
        {"interval 499", {{"CheckInterval", "499"}}, WithInterval(2000)},
        {"interval 500", {{"CheckInterval", "500"}}, WithInterval(500)},
        {"interval 10000", {{"CheckInterval", "10000"}}, WithInterval(10000)},
        {"interval 10001", {{"CheckInterval", "10001"}}, WithInterval(2000)},
        {"interval negative", {{"CheckInterval", "-800"}}, WithInterval(2000)},
        {"interval six characters", {{"CheckInterval", "005000"}}, WithInterval(2000)},
        {"interval empty", {{"CheckInterval", ""}}, WithInterval(2000)},
        {"WorkOpenFolder 2", {{"WorkOpenFolder", "2"}}, WithFlags(true, false)},
        {"WorkOpenFolder 0", {{"WorkOpenFolder", "0"}}, WithFlags(false, false)},
        {"WorkOpenFolder 10", {{"WorkOpenFolder", "10"}}, WithFlags(true, false)},
        {"WorkOpenFolder empty", {{"WorkOpenFolder", ""}}, WithFlags(true, false)},
        {"WorkOpenFolder letter", {{"WorkOpenFolder", "x"}}, WithFlags(false, false)},
        {"WorkIE 1", {{"WorkIE", "1"}}, WithFlags(true, true)},
        {"WorkIE 2", {{"WorkIE", "2"}}, WithFlags(true, false)},
        {"WorkIE empty", {{"WorkIE", ""}}, WithFlags(true, false)},
        {"WorkIE 01", {{"WorkIE", "01"}}, WithFlags(true, false)},
    };
    for (const LoadCase& c : cases) {
        FakeWindowSystem ws;
        ws.profile[kSection] = c.file;
        ws.profile["Other"] = {{"Left", "50"}};  // another program's section is not read
        Settings loaded{-1, -1, -1, -1, -1, false, true};
        LoadSettings(ws, kSection, kPath, loaded);
        ExpectSettingsEqual(c.expected, loaded, c.name);
    }
}

TEST(LoadSettings, MissingFileGivesTheDefaults)
{
    FakeWindowSystem ws;
    ws.fileExists = false;
    Settings loaded{};
    LoadSettings(ws, kSection, kPath, loaded);
    ExpectSettingsEqual(kDefaults, loaded, "no file");
}

TEST(SaveSettings, WritesTheSevenKeysInOrderAndLoadsBackTheSame)
{
    FakeWindowSystem ws;
    const Settings saved{12, 900, 34, 700, 10000, false, true};
    SaveSettings(ws, kSection, kPath, saved);
    EXPECT_EQ((std::vector<std::string>{"Left", "Right", "Top", "Bottom", "CheckInterval", "WorkOpenFolder", "WorkIE"}),
              ws.writtenKeys);
    EXPECT_EQ("12", ws.profile[kSection]["Left"]);
    EXPECT_EQ("0", ws.profile[kSection]["WorkOpenFolder"]);
    EXPECT_EQ("1", ws.profile[kSection]["WorkIE"]);
    Settings loaded{};
    LoadSettings(ws, kSection, kPath, loaded);
    ExpectSettingsEqual(saved, loaded, "round trip");
}

TEST(SettingsPath, ProgramDirectoryAppNameAndUser)
{
    char path[kPathSize];
    BuildSettingsPath(path, "C:\\Apps\\", "Tool", "user1");
    EXPECT_STREQ("C:\\Apps\\Tool_user1.ini", path);
    BuildSettingsPath(path, "C:\\Apps\\", "Tool", "");
    EXPECT_STREQ("C:\\Apps\\Tool_.ini", path);
    const std::string longDirectory(600, 'd');
    BuildSettingsPath(path, longDirectory.c_str(), "Tool", "u");
    EXPECT_EQ(static_cast<size_t>(kPathSize - 1), std::string(path).size());
}

TEST(ExclusionEntries, ReadFromExcept1UpToTheFirstGap)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", "A"}, {"Except2", "B"}, {"Except3", "C"}, {"Except5", "E"}};
    std::vector<std::string> read;
    char value[kPathSize];
    for (int i = 1; ReadExclusionEntry(ws, kSection, kPath, i, value); ++i)
        read.push_back(value);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), read);
    EXPECT_EQ("E", ws.profile[kSection]["Except5"]);  // untouched
}

TEST(ExclusionEntries, EmptyValueStopsAndAtMostAThousandAreRead)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", "A"}, {"Except2", ""}, {"Except3", "C"}};
    char value[kPathSize];
    EXPECT_TRUE(ReadExclusionEntry(ws, kSection, kPath, 1, value));
    EXPECT_FALSE(ReadExclusionEntry(ws, kSection, kPath, 2, value));

    for (int i = 1; i <= 1001; ++i)
        ws.profile[kSection]["Except" + std::to_string(i)] = "w" + std::to_string(i);
    int count = 0;
    while (ReadExclusionEntry(ws, kSection, kPath, count + 1, value))
        ++count;
    EXPECT_EQ(kMaxExclusionEntries, count);
}

TEST(ExclusionEntries, LongValuesAreCutTo519Bytes)
{
    FakeWindowSystem ws;
    ws.profile[kSection] = {{"Except1", std::string(800, 'q')}};
    char value[kPathSize];
    ASSERT_TRUE(ReadExclusionEntry(ws, kSection, kPath, 1, value));
    EXPECT_EQ(std::string(519, 'q'), value);
}

TEST(ParseNumber, ReadsLikeAtol)
{
    const std::pair<const char*, long> cases[] = {
        {"0", 0}, {"42", 42}, {"  42", 42}, {"\t\n-7", -7}, {"+8", 8}, {"12ab", 12}, {"abc", 0}, {"", 0},
        {"-", 0}, {"- 5", 0}, {"3 4", 3},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.second, ParseNumber(c.first)) << '"' << c.first << '"';
    EXPECT_GT(ParseNumber("99999999999999999999999"), 0);  // saturates, never wraps
    EXPECT_LT(ParseNumber("-99999999999999999999999"), 0);
}
