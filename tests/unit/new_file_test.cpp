// The files a user starts from: a new file, everything cleared but the
// default categories; and the example file the project ships.

#include <set>

#include "model/new_file.h"
#include "test_files.h"

TEST(NewFile, DefaultCategoriesOnlyWithNoneFirst) {
    Document document = MakeSampleDocument();
    ASSERT_TRUE(NewFileSetup(document));
    ASSERT_TRUE(NewFileSetup(document));  // twice in a row: not the categories twice
    Document expected;
    for (const char* name : kDefaultCategories) expected.AddCategory(name);
    EXPECT_EQ(document, expected);
    EXPECT_EQ(document.GetCategory(0).view(), "None");  // what category 0 of every reference means
}

TEST(ExampleFile, LoadsWithEveryAccountTypeAndConsistentReferences) {
    Document document;
    ASSERT_TRUE(document.Load(PENNYWHIST_EXAMPLE_FILE));
    ASSERT_EQ(document.CategoryCount(), 21);
    EXPECT_GT(document.BillDepositCount(), 0);

    std::set<std::int32_t> types;
    for (const Account& account : document.accounts) {
        types.insert(account.type);
        EXPECT_FALSE(account.transactions.empty()) << account.name.c_str();
        for (const Transaction& t : account.transactions) EXPECT_NE(document.FindCategory(t.category), nullptr);
    }
    EXPECT_EQ(types, (std::set<std::int32_t>{AccountTypeBank, AccountTypeCredit, AccountTypeBudget, AccountTypeCash,
                                             AccountTypeOther}));
    for (const BillDeposit& b : document.billDeposits) {
        EXPECT_NE(document.FindAccount(b.account), nullptr);
        EXPECT_NE(document.FindCategory(b.category), nullptr);
    }
}
