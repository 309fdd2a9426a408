// The Accounts dialog's rows, buttons and deletion.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "model/accounts_list.h"

namespace {

Document WithAccounts(int count) {
    Document document;
    for (int i = 0; i < count; ++i) {
        Account account;
        account.name.Set(std::to_string(i));
        document.AddAccount(account);
    }
    return document;
}

}  // namespace

TEST(AccountsList, TypeWordOfEveryCode) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "Bank"}, {1, "Credit"}, {2, "Budget"}, {3, "Cash"}, {4, "Other"}, {7, "Other"}, {-1, "Other"}};
    for (auto [type, word] : cases) EXPECT_STREQ(AccountTypeWord(type), word) << type;
}

TEST(AccountsList, ButtonsNeedAnAccountAndARowThatNamesOne) {
    const Document none = WithAccounts(0);
    const Document two = WithAccounts(2);
    EXPECT_FALSE(AccountButtonsEnabled(none));
    EXPECT_TRUE(AccountButtonsEnabled(two));
    EXPECT_EQ(AccountOnRow(none, 0), -1);
    const std::pair<int, std::int32_t> rows[] = {{-1, -1}, {0, 0}, {1, 1}, {2, -1}};
    for (auto [row, account] : rows) EXPECT_EQ(AccountOnRow(two, row), account) << row;
}

TEST(AccountsList, DeletionKeepsTheSameAccountCurrentOrNone) {
    struct Case {
        std::int32_t deleted;
        std::int32_t current;
        AccountDeletion expected;
    };
    const Case cases[] = {{1, 1, {true, -1}}, {0, 2, {false, 1}}, {2, 1, {false, 1}}, {0, -1, {false, -1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE("delete " + std::to_string(c.deleted) + " with current " + std::to_string(c.current));
        Document document = WithAccounts(3);
        const AccountDeletion result = DeleteAccountOnRow(document, c.deleted, c.current);
        EXPECT_EQ(result.currentDeleted, c.expected.currentDeleted);
        EXPECT_EQ(result.current, c.expected.current);
        ASSERT_EQ(document.AccountCount(), 2);
        if (result.current >= 0) {  // the same account, by name
            EXPECT_EQ(document.GetAccount(result.current).name.view(), std::to_string(c.current));
        }
    }
}
