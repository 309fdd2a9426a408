// The transaction editor: what New and Edit Transaction open with, how their
// amount and number fields are read, and what an OK writes into the account.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/new_file.h"
#include "model/transaction_editor_rules.h"
#include "model/transaction_rows.h"

namespace {

constexpr Date kToday{2026, 3, 20};

Transaction Numbered(std::int32_t number) {
    Transaction transaction;
    transaction.number = number;
    return transaction;
}

TransactionFields Filled(const char* amount) { return {amount, 1, {2026, 2, 28}, 2, "104", "Corner Market", "Weekly"}; }

}  // namespace

TEST(TransactionEditorRules, AmountFieldIsCheckedThenConverted) {
    const std::pair<const char*, double> valid[] = {{" 12.50", 0.0}, {"", 0.0}, {"1,234.50", 1234.5}, {"1.2.3", 1.2}};
    for (auto [text, amount] : valid) {
        Account account;
        EXPECT_TRUE(AddTransactionFromFields(account, Filled(text)).Closes()) << text;
        ASSERT_EQ(account.TransactionCount(), 1);
        EXPECT_EQ(account.GetTransaction(0).amount, amount) << text;
    }
    for (const char* refused : {"12$", "-5"}) {
        Account account;
        account.AddTransaction(Numbered(7));
        const Account before = account;
        for (TransactionOutcome outcome : {AddTransactionFromFields(account, Filled(refused)),
                                           ReplaceTransactionFromFields(account, 0, Filled(refused))}) {
            EXPECT_STREQ(outcome.message, "Enter a valid amount (numbers, commas, periods and no other symbols).");
            EXPECT_TRUE(outcome.focusAmount);
        }
        EXPECT_EQ(account, before) << refused;
    }
}

TEST(TransactionEditorRules, NumberFieldIsAnUnsignedWholeNumber) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0}, {"007", 7}, {"4294967295", -1}, {"4294967296", 0}, {"12a", 0}, {"-5", 0}};
    for (auto [text, number] : cases) EXPECT_EQ(ReadNumberField(text), number) << text;
    EXPECT_EQ(NumberFieldText(-1), "4294967295");
}

TEST(TransactionEditorRules, NewTransactionPresetsByAccount) {
    // Numbers of the account's transactions in storage order, and the presets.
    const struct { std::int32_t type; std::vector<std::int32_t> numbers; const char* kind, *number; } cases[] = {
        {AccountTypeBank, {}, "Withdrawal", "1"},
        {AccountTypeCredit, {3, 900, 57}, "Charge", "58"},  // the last one stored, not the largest
        {AccountTypeBudget, {57, 0}, "Spend", "1"},         // an opening entry is number 0
        {AccountTypeCash, {}, "Spend", "1"},
    };
    Document document;
    NewFileSetup(document);
    for (const auto& c : cases) {
        Account account;
        account.type = c.type;
        for (std::int32_t number : c.numbers) account.AddTransaction(Numbered(number));
        const TransactionFields fields = NewTransactionFields(document, account, kToday);
        EXPECT_STREQ(KindWord(c.type, fields.kind), c.kind) << c.type;
        EXPECT_EQ(fields.number, c.number) << c.type;
        EXPECT_EQ(fields.date, kToday);
        EXPECT_EQ(fields.category, 0);
    }
}

TEST(TransactionEditorRules, EditShowsTheTransactionAndOkWritesItInPlace) {
    Document document;
    NewFileSetup(document);
    Transaction transaction = Numbered(102);
    transaction.kind = 5;
    transaction.amount = 1234.5;
    transaction.category = 1;
    TransactionFields fields = EditTransactionFields(document, transaction);
    EXPECT_EQ(fields.amount, "1234.50");
    EXPECT_EQ(fields.kind, 1);  // any nonzero kind is the second choice
    EXPECT_EQ(fields.category, 1);
    EXPECT_EQ(fields.number, "102");
    for (std::int32_t outside : {-1, document.CategoryCount()}) {
        transaction.category = outside;
        EXPECT_EQ(EditTransactionFields(document, transaction).category, -1) << outside;
    }

    // OK rewrites the one transaction where it is stored; no category is stored as -1.
    Account account;
    for (std::int32_t number : {1, 2, 3}) account.AddTransaction(Numbered(number));
    fields = Filled("1,234.50");
    fields.payee = std::string(40, 'p');
    fields.category = -1;
    EXPECT_TRUE(ReplaceTransactionFromFields(account, 1, fields).Closes());
    const Transaction& written = account.GetTransaction(1);
    EXPECT_EQ(written.amount, 1234.5);
    EXPECT_EQ(written.number, 104);
    EXPECT_EQ(written.category, -1);
    EXPECT_EQ(written.payee.view(), std::string(30, 'p'));
    EXPECT_EQ(Date({written.year, written.month, written.day}), (Date{2026, 2, 28}));
    EXPECT_EQ(account.GetTransaction(2), Numbered(3));
    EXPECT_EQ(account.TransactionCount(), 3);
}
