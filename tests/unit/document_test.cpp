// The document's lists, the Accounts dialog's rows, and deleting a category
// or an account with the references that point at them.

#include <climits>

#include "model/accounts_list.h"
#include "model/lists.h"
#include "test_files.h"

namespace {

BillDeposit BillFor(std::int32_t account, std::int32_t category, const char* payee) {
    return {BillKind, 1.0, 1, 1, 2020, category, 0, payee, "", OccurrenceOnce, account};
}

}  // namespace

TEST(Document, ListsAddAtTheTailRemoveInPlaceAndFindOnlyInside) {
    Document document;
    Account account;
    for (const char* name : {"a", "b", "c"})
        ASSERT_TRUE(document.AddCategory(name) && document.AddBillDeposit(BillFor(0, 0, name)) &&
                    document.AddAccount({.name = name}) && account.AddTransaction({.payee = name}));
    document.RemoveCategory(1);
    document.RemoveBillDeposit(0);
    document.RemoveAccount(2);
    account.RemoveTransaction(1);
    EXPECT_EQ(document.categories, (std::vector<Text31>{"a", "c"}));
    EXPECT_EQ(document.billDeposits, (std::vector{BillFor(0, 0, "b"), BillFor(0, 0, "c")}));
    EXPECT_EQ(document.accounts, (std::vector<Account>{{.name = "a"}, {.name = "b"}}));
    EXPECT_EQ(account.transactions, (std::vector<Transaction>{{.payee = "a"}, {.payee = "c"}}));

    // Files and the program-wide indexes may carry any number.
    EXPECT_EQ(document.FindCategory(1)->view(), "c");
    EXPECT_EQ(document.FindAccount(1)->name.view(), "b");
    EXPECT_EQ(account.FindTransaction(1)->payee.view(), "c");
    EXPECT_EQ(AccountOnRow(document, 1), 1);
    for (std::int32_t outside : {-1, 2, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(document.FindCategory(outside), nullptr);
        EXPECT_EQ(document.FindAccount(outside), nullptr);
        EXPECT_EQ(std::as_const(document).FindAccount(outside), nullptr);
        EXPECT_EQ(account.FindTransaction(outside), nullptr);
        EXPECT_EQ(AccountOnRow(document, outside), -1);  // "No account is selected."
    }
}

TEST(Lists, APositionIsKeptOnlyInsideTheList) {
    const struct { std::int64_t position, count; std::int32_t expected; } cases[] = {
        {0, 1, 0}, {2, 3, 2}, {3, 3, -1}, {-1, 3, -1}, {0, 0, -1}, {INT_MAX, INT_MAX, -1}, {INT64_MIN, 5, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionInList(c.position, c.count), c.expected) << c.position << " of " << c.count;
}

TEST(Document, DeleteCategoryRenumbersEveryReference) {
    Document document;
    for (const char* name : {"None", "One", "Two", "Three", "Four"}) document.AddCategory(name);
    const std::int32_t before[] = {0, 1, 2, 3, 4, 40, -1};
    const std::int32_t after[] = {0, 1, 2, 0, 3, 39, -1};
    Account account;
    for (std::int32_t category : before) account.AddTransaction({.category = category});
    document.accounts = {account, account};
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

TEST(Document, DeleteAccountDropsItsBillsRenumbersAndKeepsTheSameAccountCurrent) {
    // The current account before and after deleting account 1.
    for (auto [current, expected] : {std::pair{1, -1}, {2, 1}, {0, 0}, {-1, -1}}) {
        SCOPED_TRACE("current account " + std::to_string(current));
        Document document;
        for (const char* name : {"A", "B", "C"}) document.AddAccount({.name = name});
        for (auto [account, payee] : {std::pair{1, "b1"}, {0, "a"}, {2, "c"}, {1, "b2"}, {2, "c2"}})
            document.AddBillDeposit(BillFor(account, 0, payee));

        // The Accounts dialog's Delete says whether the current account went.
        Document viaRow = document;
        const AccountDeletion deletion = DeleteAccountOnRow(viaRow, 1, current);
        EXPECT_EQ(deletion.currentDeleted, current == 1);
        EXPECT_EQ(deletion.current, expected);
        document.DeleteAccount(1, current);
        EXPECT_EQ(current, expected);
        EXPECT_EQ(viaRow, document);

        EXPECT_EQ(document.accounts, (std::vector<Account>{{.name = "A"}, {.name = "C"}}));
        EXPECT_EQ(document.billDeposits, (std::vector{BillFor(0, 0, "a"), BillFor(1, 0, "c"), BillFor(1, 0, "c2")}));
    }
}
