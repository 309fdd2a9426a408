// The document's lists, and deleting a category or an account with the
// references that point at them.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "model/document.h"
#include "test_files.h"

namespace {

BillDeposit BillFor(std::int32_t account, std::int32_t category, const char* payee) {
    return {BillKind, 1.0, 1, 1, 2020, category, 0, payee, "", OccurrenceOnce, account};
}

}  // namespace

TEST(Document, ListsAddAtTheTailAndRemoveInPlace) {
    Document document;
    Account account;
    // The entries of the four lists in order, as "categories|bills|accounts|transactions".
    auto lists = [&] {
        std::string text;
        for (std::int32_t i = 0; i < document.CategoryCount(); ++i) text += document.GetCategory(i).view();
        text += '|';
        for (std::int32_t i = 0; i < document.BillDepositCount(); ++i) text += document.GetBillDeposit(i).payee.view();
        text += '|';
        for (std::int32_t i = 0; i < document.AccountCount(); ++i) text += document.GetAccount(i).name.view();
        text += '|';
        for (std::int32_t i = 0; i < account.TransactionCount(); ++i) text += account.GetTransaction(i).payee.view();
        return text;
    };
    auto add = [&](const char* name) {
        ASSERT_TRUE(document.AddCategory(Text31(name)));
        ASSERT_TRUE(document.AddBillDeposit(BillFor(0, 0, name)));
        ASSERT_TRUE(document.AddAccount(MakeAccount(AccountTypeCash, name, "")));
        ASSERT_TRUE(account.AddTransaction({0, 1.0, 1, 1, 2020, 0, 0, name, ""}));
    };
    auto remove = [&](std::int32_t position) {
        document.RemoveCategory(position);
        document.RemoveBillDeposit(position);
        document.RemoveAccount(position);
        account.RemoveTransaction(position);
    };

    for (const char* name : {"a", "b", "c"}) add(name);
    EXPECT_EQ(lists(), "abc|abc|abc|abc");
    remove(1);
    EXPECT_EQ(lists(), "ac|ac|ac|ac");
    remove(1);
    add("d");
    EXPECT_EQ(lists(), "ad|ad|ad|ad");
    remove(0);
    remove(0);
    EXPECT_EQ(lists(), "|||");
}

TEST(Document, DeleteCategoryRenumbersEveryReference) {
    Document document;
    for (const char* name : {"None", "One", "Two", "Three", "Four"}) document.AddCategory(Text31(name));
    const std::int32_t before[] = {0, 1, 2, 3, 4, 40, -1};
    const std::int32_t after[] = {0, 1, 2, 0, 3, 39, -1};
    for (int a = 0; a < 2; ++a) {
        Account account = MakeAccount(AccountTypeBank, "acct", "");
        for (std::int32_t category : before) account.AddTransaction({0, 1.0, 1, 1, 2020, category, 0, "", ""});
        document.AddAccount(account);
    }
    for (std::int32_t category : before) document.AddBillDeposit(BillFor(0, category, ""));

    document.DeleteCategory(3);

    ASSERT_EQ(document.CategoryCount(), 4);
    EXPECT_EQ(document.GetCategory(3).view(), "Four");
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("category was " + std::to_string(before[i]));
        EXPECT_EQ(document.GetAccount(0).GetTransaction(i).category, after[i]);
        EXPECT_EQ(document.GetAccount(1).GetTransaction(i).category, after[i]);
        EXPECT_EQ(document.GetBillDeposit(i).category, after[i]);
    }
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
        for (auto [account, payee] : {std::pair{1, "b1"}, {0, "a"}, {2, "c"}, {1, "b2"}, {2, "c2"}})
            document.AddBillDeposit(BillFor(account, 0, payee));

        std::int32_t current = c.current;
        document.DeleteAccount(1, current);

        EXPECT_EQ(current, c.expected);
        ASSERT_EQ(document.AccountCount(), 2);
        EXPECT_EQ(document.GetAccount(1).name.view(), "C");
        ASSERT_EQ(document.BillDepositCount(), 3);
        const std::pair<const char*, std::int32_t> bills[] = {{"a", 0}, {"c", 1}, {"c2", 1}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(document.GetBillDeposit(i).payee.view(), bills[i].first);
            EXPECT_EQ(document.GetBillDeposit(i).account, bills[i].second);
        }
    }
}
