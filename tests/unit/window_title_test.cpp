// The main window's title and the path taken from the command line.

#include <gtest/gtest.h>

#include <string>

#include "model/window_title.h"

TEST(WindowTitle, ProgramFileAndAccount) {
    struct Case {
        const char* path;
        const char* account;
        const char* title;
    };
    for (Case c : {Case{"C:\\Money\\Home.pwf", "Checking", "Pennywhist - Home (Checking)"},
                   Case{"C:\\Money\\Home.pwf", nullptr, "Pennywhist - Home"}, Case{"", nullptr, "Pennywhist"},
                   Case{"", "Checking", "Pennywhist (Checking)"},
                   Case{"\\\\server\\my.share\\family.budget.pwf", nullptr, "Pennywhist - family.budget"},
                   Case{"C:\\Money\\Home.xyz", nullptr, "Pennywhist - Home"},  // the last four characters, whatever
                   Case{"C:/Money/Home.pwf", nullptr, "Pennywhist - C:/Money/Home"},  // only a backslash separates
                   Case{"C:\\a.pw", "Cash", "Pennywhist -  (Cash)"},  // four characters or fewer leave nothing
                   Case{"x", "A", "Pennywhist -  (A)"}}) {
        EXPECT_EQ(MainWindowTitle(c.path, c.account), c.title) << c.path;
    }
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
