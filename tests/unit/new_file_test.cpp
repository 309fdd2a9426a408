// A new file: everything cleared, the default categories in place, and the
// 708 bytes it saves as.

#include <gtest/gtest.h>

#include <iterator>

#include "model/new_file.h"
#include "test_files.h"

TEST(NewFile, DefaultCategoriesOnlyAndSavedAs708Bytes) {
    const char* const names[] = {"None", "Bills", "Groceries", "Entertainment", "Dining Out", "Household",
                                 "Automobile", "Cash Withdrawals", "Income", "Personal Care", "Healthcare",
                                 "Childcare", "Pet Care", "Clothing", "Education", "Insurance", "Rent", "Mortgage",
                                 "Gifts", "Charitable Donations", "Vacation"};
    ASSERT_EQ(std::size(names), 21u);
    Document expected;
    for (const char* name : names) expected.AddCategory(Text31(name));

    Document document = MakeSampleDocument();
    ASSERT_TRUE(NewFileSetup(document));
    ASSERT_TRUE(NewFileSetup(document));  // twice in a row: not the categories twice
    EXPECT_EQ(document, expected);

    Bytes file;
    file.Header(21, 0, 0);
    for (const char* name : names) file.Text(name, 31);
    file.Zeros(31);  // no password
    ASSERT_EQ(file.size(), 708u);
    ScratchDir dir;
    ASSERT_TRUE(document.Save(dir.File("New.pwf")));
    EXPECT_EQ(ReadBytes(dir.File("New.pwf")), file.data());
}
