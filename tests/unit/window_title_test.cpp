// The main window's title and the path taken from the command line.

#include <gtest/gtest.h>

#include <string>

#include "model/window_title.h"

TEST(WindowTitle, ProgramFileAndAccount) {
    EXPECT_EQ(MainWindowTitle("C:\\Money\\Home.pwf", "Checking"), "Pennywhist - Home (Checking)");
    EXPECT_EQ(MainWindowTitle("C:\\Money\\Home.pwf", nullptr), "Pennywhist - Home");
    EXPECT_EQ(MainWindowTitle("home.pwf", nullptr), "Pennywhist - home");
    EXPECT_EQ(MainWindowTitle("", nullptr), "Pennywhist");
    EXPECT_EQ(MainWindowTitle("", "Checking"), "Pennywhist (Checking)");
    EXPECT_EQ(MainWindowTitle("C:\\Money\\Home.pwf", ""), "Pennywhist - Home ()");
}

TEST(WindowTitle, BaseNameIsAfterTheLastBackslashLessFourCharacters) {
    EXPECT_EQ(TitleBaseName("C:\\Money\\2026\\Home.pwf"), "Home");
    EXPECT_EQ(TitleBaseName("\\\\server\\share\\family.budget.pwf"), "family.budget");
    EXPECT_EQ(TitleBaseName("C:\\my.files\\Home.pwf"), "Home");
    EXPECT_EQ(TitleBaseName("C:\\Money\\Home.xyz"), "Home");  // four characters whatever they are
    EXPECT_EQ(TitleBaseName("C:\\Money\\Home"), "");
    EXPECT_EQ(TitleBaseName("C:/Money/Home.pwf"), "C:/Money/Home");  // only a backslash separates
    EXPECT_EQ(TitleBaseName("C:\\Money\\"), "");
}

TEST(WindowTitle, ShortNamesLeaveNothingBetweenTheParts) {
    EXPECT_EQ(MainWindowTitle("C:\\a.pw", "Cash"), "Pennywhist -  (Cash)");
    EXPECT_EQ(MainWindowTitle("C:\\Money\\.pwf", "Cash"), "Pennywhist -  (Cash)");
    EXPECT_EQ(MainWindowTitle(".pwf", nullptr), "Pennywhist - ");
    EXPECT_EQ(MainWindowTitle("x", "A"), "Pennywhist -  (A)");
    EXPECT_EQ(MainWindowTitle("C:\\Money\\x.pwf", nullptr), "Pennywhist - x");
}

TEST(WindowTitle, LongBaseNameIsCutTo49Characters) {
    const std::string fortyNine(49, 'n');
    EXPECT_EQ(TitleBaseName("C:\\" + fortyNine + ".pwf"), fortyNine);
    EXPECT_EQ(TitleBaseName("C:\\" + fortyNine + "X.pwf"), fortyNine);

    std::string longName;
    for (int i = 0; longName.size() < 240; ++i) longName += std::to_string(i % 10);
    const std::string path = "D:\\Very\\Deep\\Folder\\" + longName + ".pwf";
    EXPECT_EQ(TitleBaseName(path), longName.substr(0, 49));
    EXPECT_EQ(MainWindowTitle(path, "Savings"), "Pennywhist - " + longName.substr(0, 49) + " (Savings)");
    EXPECT_EQ(TitleBaseName(longName), longName.substr(0, 49));  // no backslash at all
}

TEST(WindowTitle, RemoveQuotesTakesOutEveryDoubleQuote) {
    EXPECT_EQ(RemoveQuotes("\"C:\\a b\\x.pwf\""), "C:\\a b\\x.pwf");
    EXPECT_EQ(RemoveQuotes("C:\\a b\\x.pwf"), "C:\\a b\\x.pwf");
    EXPECT_EQ(RemoveQuotes("C:\\\"a\"\" b\\x.pwf\""), "C:\\a b\\x.pwf");
    EXPECT_EQ(RemoveQuotes("\"\"\""), "");
    EXPECT_EQ(RemoveQuotes(""), "");
    EXPECT_EQ(RemoveQuotes("it's 'single'"), "it's 'single'");
}
