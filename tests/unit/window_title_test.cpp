// The main window: its title, the path taken from the command line, and
// which commands can be chosen.

#include <gtest/gtest.h>

#include <string>

#include "model/command_rules.h"
#include "model/window_title.h"
#include "resources/resource.h"

TEST(WindowTitle, ProgramFileAndAccount) {
    const struct { const char* path, *account, *title; } cases[] = {
        {"C:\\Money\\Home.pwf", "Checking", "Pennywhist - Home (Checking)"},
        {"C:\\Money\\Home.pwf", nullptr, "Pennywhist - Home"},
        {"", nullptr, "Pennywhist"}, {"", "Checking", "Pennywhist (Checking)"},
        {"\\\\server\\my.share\\family.budget.pwf", nullptr, "Pennywhist - family.budget"},
        {"C:\\Money\\Home.xyz", nullptr, "Pennywhist - Home"},          // the last four characters, whatever
        {"C:/Money/Home.pwf", nullptr, "Pennywhist - C:/Money/Home"},  // only a backslash separates
        {"C:\\a.pw", "Cash", "Pennywhist -  (Cash)"},                 // four characters or fewer leave nothing
        {"x", "A", "Pennywhist -  (A)"},
    };
    for (const auto& c : cases) EXPECT_EQ(MainWindowTitle(c.path, c.account), c.title) << c.path;
}

TEST(WindowTitle, LongBaseNameIsCutTo49Characters) {
    std::string name;
    for (int i = 0; name.size() < 240; ++i) name += std::to_string(i % 10);
    EXPECT_EQ(TitleBaseName("D:\\Deep\\Folder\\" + name + ".pwf"), name.substr(0, 49));
    EXPECT_EQ(TitleBaseName(name.substr(0, 53)), name.substr(0, 49));
    EXPECT_EQ(TitleBaseName(name.substr(0, 54)), name.substr(0, 49));
}

TEST(WindowTitle, RemoveQuotesTakesOutEveryDoubleQuote) {
    EXPECT_EQ(RemoveQuotes("\"C:\\a b\\x.pwf\""), "C:\\a b\\x.pwf");
    EXPECT_EQ(RemoveQuotes("C:\\\"a\"\" b\\x.pwf\"'"), "C:\\a b\\x.pwf'");
}

TEST(Commands, EachIsEnabledOnlyWithWhatItNeeds) {
    // One command of each need, with no file, a file, and a file with an account shown.
    const struct { int command; bool none, file, account; } cases[] = {
        {IDM_OPEN, true, true, true}, {IDM_SAVE, false, true, true}, {IDM_NEW_TRANSACTION, false, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCommandEnabled(c.command, false, false), c.none) << c.command;
        EXPECT_EQ(IsCommandEnabled(c.command, true, false), c.file) << c.command;
        EXPECT_EQ(IsCommandEnabled(c.command, true, true), c.account) << c.command;
    }
}
