// The transaction editor: what New and Edit Transaction open with, how their
// amount and number fields are read, and what an OK writes into the account.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/new_file.h"
#include "model/transaction_editor_rules.h"
#include "model/transaction_rows.h"

namespace {

constexpr Date kToday{2026, 3, 20};

Document Categories() {
    Document document;
    NewFileSetup(document);
    return document;
}

Transaction Numbered(std::int32_t number) {
    Transaction transaction;
    transaction.number = number;
    return transaction;
}

TransactionFields Filled(const char* amount) {
    TransactionFields fields;
    fields.amount = amount;
    fields.kind = 1;
    fields.date = Date{2026, 2, 28};
    fields.category = 2;
    fields.number = "104";
    fields.payee = "Corner Market";
    fields.memo = "Weekly";
    return fields;
}

}  // namespace

TEST(TransactionEditorRules, AmountFieldIsCheckedThenConverted) {
    struct Case {
        const char* text;
        double amount;
    };
    for (Case c : {Case{" 12.50", 0.0}, Case{" $$", 0.0}, Case{"", 0.0}, Case{"1,234.50", 1234.5},
                   Case{"1.2.3", 1.2}, Case{"45.5", 45.5}}) {
        SCOPED_TRACE(c.text);
        Account account;
        const TransactionOutcome outcome = AddTransactionFromFields(account, Filled(c.text));
        EXPECT_TRUE(outcome.Closes());
        ASSERT_EQ(account.TransactionCount(), 1);
        EXPECT_EQ(account.GetTransaction(0).amount, c.amount);
    }
    for (const char* refused : {"12$", "-5", "12 "}) {
        SCOPED_TRACE(refused);
        Account account;
        account.AddTransaction(Numbered(7));
        const Account before = account;
        const TransactionFields fields = Filled(refused);
        for (TransactionOutcome outcome :
             {AddTransactionFromFields(account, fields), ReplaceTransactionFromFields(account, 0, fields)}) {
            EXPECT_STREQ(outcome.message, "Enter a valid amount (numbers, commas, periods and no other symbols).");
            EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
            EXPECT_TRUE(outcome.focusAmount);
            EXPECT_FALSE(outcome.Closes());
        }
        EXPECT_EQ(account, before);
    }
}

TEST(TransactionEditorRules, NumberFieldIsAnUnsignedWholeNumber) {
    struct Case {
        const char* text;
        std::int32_t number;
    };
    for (Case c : {Case{"", 0}, Case{"0", 0}, Case{"58", 58}, Case{"007", 7}, Case{"4294967295", -1},
                   Case{"4294967296", 0}, Case{"12a", 0}, Case{" 5", 0}, Case{"-5", 0}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumberField(c.text), c.number);
    }
    EXPECT_EQ(NumberFieldText(-1), "4294967295");
    EXPECT_EQ(NumberFieldText(102), "102");
}

TEST(TransactionEditorRules, NewTransactionPresetsByAccount) {
    struct Case {
        std::int32_t type;
        std::vector<std::int32_t> numbers;  // of the account's transactions, in storage order
        const char* kind;
        const char* number;
    };
    const Case cases[] = {
        {AccountTypeBank, {}, "Withdrawal", "1"},
        {AccountTypeCredit, {3, 900, 57}, "Charge", "58"},  // the last one stored, not the largest
        {AccountTypeBudget, {57, 0}, "Spend", "1"},         // an opening entry is number 0
        {AccountTypeCash, {-1}, "Spend", "0"},
        {AccountTypeOther, {2147483647}, "Withdrawal", "2147483648"},
    };
    const Document document = Categories();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Account account;
        account.type = c.type;
        for (std::int32_t number : c.numbers) account.AddTransaction(Numbered(number));
        const TransactionFields fields = NewTransactionFields(document, account, kToday);
        EXPECT_STREQ(KindWord(c.type, fields.kind), c.kind);
        EXPECT_EQ(fields.number, c.number);
        EXPECT_EQ(fields.date, kToday);
        EXPECT_EQ(fields.category, 0);
        EXPECT_EQ(fields.amount + fields.payee + fields.memo, "");
    }
    EXPECT_EQ(NewTransactionFields(Document(), Account(), kToday).category, -1);  // no categories at all
}

TEST(TransactionEditorRules, EditOpensWithTheTransactionAndAnUnknownCategoryAsNone) {
    const Document document = Categories();
    Transaction transaction = Numbered(102);
    transaction.kind = 5;
    transaction.amount = 1234.5;
    transaction.month = 2;
    transaction.day = 1;
    transaction.year = 2026;
    transaction.category = 1;
    transaction.payee = "City Power";
    transaction.memo = "January";
    TransactionFields fields = EditTransactionFields(document, transaction);
    EXPECT_EQ(fields.amount, "1234.50");
    EXPECT_EQ(fields.kind, 1);  // any nonzero kind is the second choice
    EXPECT_EQ(fields.date, (Date{2026, 2, 1}));
    EXPECT_EQ(fields.category, 1);
    EXPECT_EQ(fields.number, "102");
    EXPECT_EQ(fields.payee + "/" + fields.memo, "City Power/January");

    for (std::int32_t outside : {-1, -7, document.CategoryCount(), 1000}) {
        SCOPED_TRACE(outside);
        transaction.category = outside;
        EXPECT_EQ(EditTransactionFields(document, transaction).category, -1);
        EXPECT_EQ(CategoryChoice(document, outside), -1);
    }
}

TEST(TransactionEditorRules, OkWritesTheFieldsAppendingOrInPlace) {
    TransactionFields fields = Filled("1,234.50");
    fields.payee = std::string(40, 'p');
    fields.memo = std::string(31, 'm');
    Transaction expected;
    expected.kind = 1;
    expected.amount = 1234.5;
    expected.month = 2;
    expected.day = 28;
    expected.year = 2026;
    expected.category = 2;
    expected.number = 104;
    expected.payee.Set(std::string(30, 'p'));
    expected.memo.Set(std::string(30, 'm'));

    Account account;
    account.AddTransaction(Numbered(1));
    account.AddTransaction(Numbered(2));
    EXPECT_TRUE(AddTransactionFromFields(account, fields).Closes());
    ASSERT_EQ(account.TransactionCount(), 3);
    EXPECT_EQ(account.GetTransaction(2), expected);

    // Edit rewrites the one transaction where it is stored; a cleared number
    // and no category are stored as 0 and -1.
    fields.number = "";
    fields.category = -1;
    expected.number = 0;
    expected.category = -1;
    EXPECT_TRUE(ReplaceTransactionFromFields(account, 0, fields).Closes());
    EXPECT_EQ(account.GetTransaction(0), expected);
    EXPECT_EQ(account.GetTransaction(1), Numbered(2));
    EXPECT_EQ(account.TransactionCount(), 3);
}

TEST(TransactionEditorRules, OnlyExistingAccountsAndTransactionsAreFound) {
    Document document = Categories();
    document.AddAccount(Account());
    document.GetAccount(0).AddTransaction(Numbered(1));
    EXPECT_EQ(FindAccount(document, 0), &document.GetAccount(0));
    for (std::int32_t outside : {-1, 1}) EXPECT_EQ(FindAccount(document, outside), nullptr);
    EXPECT_TRUE(HasTransaction(document.GetAccount(0), 0));
    for (std::int32_t outside : {-1, 1}) EXPECT_FALSE(HasTransaction(document.GetAccount(0), outside));
}
