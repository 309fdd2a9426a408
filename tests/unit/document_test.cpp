// The document's lists, and deleting a category or an account with the
// references that point at them.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/document.h"
#include "test_files.h"

namespace {

BillDeposit BillFor(std::int32_t account, std::int32_t category, std::string_view payee) {
    BillDeposit bill;
    bill.account = account;
    bill.category = category;
    bill.payee.Set(payee);
    return bill;
}

}  // namespace

TEST(Document, ClearEmptiesEverything) {
    Document document = MakeSampleDocument();
    document.Clear();
    EXPECT_EQ(document.CategoryCount(), 0);
    EXPECT_EQ(document.BillDepositCount(), 0);
    EXPECT_EQ(document.AccountCount(), 0);
    EXPECT_TRUE(document.password.empty());
    EXPECT_EQ(document, Document());
}

TEST(Document, CategoryListAddRemoveGet) {
    Document document;
    for (const char* name : {"first", "second", "third"}) ASSERT_TRUE(document.AddCategory(Text31(name)));
    ASSERT_EQ(document.CategoryCount(), 3);
    EXPECT_EQ(document.GetCategory(2).view(), "third");

    document.RemoveCategory(1);
    ASSERT_EQ(document.CategoryCount(), 2);
    EXPECT_EQ(document.GetCategory(0).view(), "first");
    EXPECT_EQ(document.GetCategory(1).view(), "third");

    document.RemoveCategory(1);  // the last one, then append
    ASSERT_TRUE(document.AddCategory(Text31("fourth")));
    ASSERT_EQ(document.CategoryCount(), 2);
    EXPECT_EQ(document.GetCategory(1).view(), "fourth");

    Document single;
    single.AddCategory(Text31("only"));
    single.RemoveCategory(0);
    EXPECT_EQ(single.CategoryCount(), 0);
    EXPECT_TRUE(single.categories.empty());
}

TEST(Document, BillDepositAndAccountListsAddRemoveGet) {
    Document document;
    for (const char* payee : {"a", "b", "c"}) ASSERT_TRUE(document.AddBillDeposit(BillFor(0, 0, payee)));
    for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(document.AddAccount(MakeAccount(AccountTypeCash, name, "")));
    EXPECT_EQ(document.GetBillDeposit(1).payee.view(), "b");
    EXPECT_EQ(document.GetAccount(1).name.view(), "B");

    document.RemoveBillDeposit(1);
    document.RemoveAccount(1);
    ASSERT_EQ(document.BillDepositCount(), 2);
    ASSERT_EQ(document.AccountCount(), 2);
    EXPECT_EQ(document.GetBillDeposit(0).payee.view(), "a");
    EXPECT_EQ(document.GetBillDeposit(1).payee.view(), "c");
    EXPECT_EQ(document.GetAccount(0).name.view(), "A");
    EXPECT_EQ(document.GetAccount(1).name.view(), "C");

    document.RemoveBillDeposit(1);
    document.RemoveAccount(1);
    ASSERT_TRUE(document.AddBillDeposit(BillFor(0, 0, "d")));
    ASSERT_TRUE(document.AddAccount(MakeAccount(AccountTypeCash, "D", "")));
    EXPECT_EQ(document.GetBillDeposit(1).payee.view(), "d");
    EXPECT_EQ(document.GetAccount(1).name.view(), "D");

    Document single;
    single.AddBillDeposit(BillFor(0, 0, "x"));
    single.AddAccount(MakeAccount(AccountTypeBank, "X", ""));
    single.RemoveBillDeposit(0);
    single.RemoveAccount(0);
    EXPECT_EQ(single.BillDepositCount(), 0);
    EXPECT_EQ(single.AccountCount(), 0);

    // Get gives the entry itself, so a change through it stays.
    document.GetAccount(0).comment.Set("changed");
    EXPECT_EQ(document.GetAccount(0).comment.view(), "changed");
}

TEST(Document, FindCategoryOnlyInsideTheList) {
    Document document;
    EXPECT_EQ(document.FindCategory(0), nullptr);
    document.AddCategory(Text31("None"));
    document.AddCategory(Text31("Rent"));
    EXPECT_EQ(document.FindCategory(-1), nullptr);
    EXPECT_EQ(document.FindCategory(2), nullptr);
    EXPECT_EQ(document.FindCategory(std::numeric_limits<std::int32_t>::min()), nullptr);
    ASSERT_NE(document.FindCategory(1), nullptr);
    EXPECT_EQ(document.FindCategory(1), &document.GetCategory(1));
    EXPECT_EQ(document.FindCategory(0)->view(), "None");
}

TEST(Document, DeleteCategoryRenumbersEveryReference) {
    Document document;
    for (const char* name : {"None", "One", "Two", "Three", "Four"}) document.AddCategory(Text31(name));
    const std::int32_t before[] = {0, 1, 2, 3, 4, 40, -1};
    const std::int32_t after[] = {0, 1, 2, 0, 3, 39, -1};
    for (int a = 0; a < 3; ++a) {
        Account account = MakeAccount(AccountTypeBank, "acct " + std::to_string(a), "");
        for (std::int32_t category : before)
            account.AddTransaction(MakeTransaction(0, 1.0, 1, 1, 2020, category, 0, "", ""));
        document.AddAccount(account);
    }
    for (std::int32_t category : before) document.AddBillDeposit(BillFor(0, category, ""));

    document.DeleteCategory(3);

    ASSERT_EQ(document.CategoryCount(), 4);
    EXPECT_EQ(document.GetCategory(3).view(), "Four");
    for (int a = 0; a < 3; ++a)
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(document.GetAccount(a).GetTransaction(i).category, after[i])
                << "account " << a << ", category was " << before[i];
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(document.GetBillDeposit(i).category, after[i]) << "bill, category was " << before[i];
}

TEST(Document, DeleteAccountDropsItsBillsAndRenumbers) {
    struct Case {
        std::int32_t current;
        std::int32_t expected;
    };
    for (Case c : {Case{1, -1}, Case{2, 1}, Case{0, 0}, Case{-1, -1}}) {
        SCOPED_TRACE("current account " + std::to_string(c.current));
        Document document;
        for (const char* name : {"A", "B", "C"}) document.AddAccount(MakeAccount(AccountTypeCash, name, ""));
        document.AddBillDeposit(BillFor(1, 0, "b1"));
        document.AddBillDeposit(BillFor(0, 0, "a"));
        document.AddBillDeposit(BillFor(2, 0, "c"));
        document.AddBillDeposit(BillFor(1, 0, "b2"));
        document.AddBillDeposit(BillFor(2, 0, "c2"));

        std::int32_t current = c.current;
        document.DeleteAccount(1, current);

        EXPECT_EQ(current, c.expected);
        ASSERT_EQ(document.AccountCount(), 2);
        EXPECT_EQ(document.GetAccount(0).name.view(), "A");
        EXPECT_EQ(document.GetAccount(1).name.view(), "C");
        ASSERT_EQ(document.BillDepositCount(), 3);
        EXPECT_EQ(document.GetBillDeposit(0).payee.view(), "a");
        EXPECT_EQ(document.GetBillDeposit(0).account, 0);
        EXPECT_EQ(document.GetBillDeposit(1).payee.view(), "c");
        EXPECT_EQ(document.GetBillDeposit(1).account, 1);
        EXPECT_EQ(document.GetBillDeposit(2).payee.view(), "c2");
        EXPECT_EQ(document.GetBillDeposit(2).account, 1);
    }
}

TEST(Account, TransactionsKeepTheirOrder) {
    Account account;
    for (std::int32_t number : {1, 2, 3, 4})
        ASSERT_TRUE(account.AddTransaction(MakeTransaction(0, 1.0, 1, 1, 2020, 0, number, "", "")));
    ASSERT_EQ(account.TransactionCount(), 4);
    EXPECT_EQ(account.GetTransaction(3).number, 4);

    account.RemoveTransaction(1);
    ASSERT_EQ(account.TransactionCount(), 3);
    EXPECT_EQ(account.GetTransaction(0).number, 1);
    EXPECT_EQ(account.GetTransaction(1).number, 3);
    EXPECT_EQ(account.GetTransaction(2).number, 4);

    account.RemoveTransaction(2);
    ASSERT_TRUE(account.AddTransaction(MakeTransaction(0, 1.0, 1, 1, 2020, 0, 5, "", "")));
    EXPECT_EQ(account.GetTransaction(2).number, 5);
    account.RemoveTransaction(0);
    account.RemoveTransaction(0);
    account.RemoveTransaction(0);
    EXPECT_EQ(account.TransactionCount(), 0);
}
