// The Accounts dialog's rows and what deleting the account on one leaves current.

#include <gtest/gtest.h>

#include <string>

#include "model/accounts_list.h"

TEST(AccountsList, DeletionKeepsTheSameAccountCurrentOrNone) {
    Document document;
    for (int i = 0; i < 3; ++i) {
        Account account;
        account.name.Set(std::to_string(i));
        document.AddAccount(account);
    }
    EXPECT_EQ(AccountOnRow(document, 3), -1);
    // Deleting the current account, one before it and one after it.
    const struct { std::int32_t deleted, current; AccountDeletion expected; } cases[] = {
        {1, 1, {true, -1}}, {0, 2, {false, 1}}, {2, 1, {false, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE("delete " + std::to_string(c.deleted) + " with current " + std::to_string(c.current));
        Document left = document;
        const AccountDeletion result = DeleteAccountOnRow(left, c.deleted, c.current);
        EXPECT_EQ(result.currentDeleted, c.expected.currentDeleted);
        EXPECT_EQ(result.current, c.expected.current);
        ASSERT_EQ(left.AccountCount(), 2);
        if (result.current >= 0) {  // the same account, by name
            EXPECT_EQ(left.GetAccount(result.current).name.view(), std::to_string(c.current));
        }
    }
}
