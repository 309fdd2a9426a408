// The example file the project ships loads and shows every kind of record.

#include <gtest/gtest.h>

#include <set>

#include "model/document.h"

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
        EXPECT_TRUE(b.account >= 0 && b.account < document.AccountCount());
        EXPECT_NE(document.FindCategory(b.category), nullptr);
    }
}
