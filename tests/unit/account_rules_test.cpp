// The account rules: the opening entry New Account makes from the amount
// typed, its refusals by type, and what Account Details accepts and stores.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/account_rules.h"
#include "model/transaction_rows.h"

namespace {

const Date kToday{2026, 4, 9};

Account Named(const char* name, std::int32_t type = AccountTypeBank) {
    Account account;
    account.type = type;
    account.name = name;
    return account;
}

AccountDetailsText Details(const char* name, const char* creditLimit = "") {
    return {name, "comment", "12-34", "Call\r\nthe bank", creditLimit};
}

}  // namespace

TEST(AccountRules, NewAccountMakesTheOpeningEntryFromTheAmountTyped) {
    // The kind word of the entry, none for no entry.
    const struct { std::int32_t type; const char* typed; double amount; const char* word; } cases[] = {
        {AccountTypeBank, "1,500.00", 1500.0, "Deposit"}, {AccountTypeBank, "-250", 250.0, "Withdrawal"},
        {AccountTypeCredit, "-250", 250.0, "Payment"},    {AccountTypeBank, "0", 0.0, nullptr},
        {AccountTypeCash, "", 0.0, nullptr},              {AccountTypeBank, " 5", 0.0, nullptr},
        {AccountTypeOther, " 12$", 0.0, nullptr},  // a first blank skips the check
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Document document;
        document.AddAccount(Named("Existing"));
        const AccountOutcome outcome = AddNewAccount(document, c.type, c.typed, kToday);
        EXPECT_TRUE(outcome.closes && outcome.message == nullptr);
        ASSERT_EQ(document.AccountCount(), 2);
        const Account& added = document.GetAccount(1);
        EXPECT_EQ(added.type, c.type);
        ASSERT_EQ(added.TransactionCount(), c.word ? 1 : 0);
        if (!c.word) continue;
        const Transaction& entry = added.GetTransaction(0);
        EXPECT_EQ(entry.amount, c.amount);
        EXPECT_STREQ(KindWord(c.type, entry.kind), c.word);
        EXPECT_EQ(Date({entry.year, entry.month, entry.day}), kToday);
        EXPECT_EQ(entry.memo.view(), TypeTexts(c.type).openingMemo);
    }
}

TEST(AccountRules, NewAccountRefusesAnAmountWithOtherSymbolsByType) {
    const struct { std::int32_t type; const char* typed; const char* what; } cases[] = {
        {AccountTypeBank, "12$", "opening balance"}, {AccountTypeCredit, "5-", "opening balance"},
        {AccountTypeBudget, "1 000", "budget amount"}, {AccountTypeCash, "-x", "opening cash amount"},
        {7, "--5", "opening balance"},  // an unknown type reads as Other
    };
    for (const auto& c : cases) {
        Document document;
        const AccountOutcome outcome = AddNewAccount(document, c.type, c.typed, kToday);
        EXPECT_EQ(outcome.message, "Enter a valid " + std::string(c.what) +
                                       " (numbers, commas, periods and no other symbols).");
        EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
        EXPECT_FALSE(outcome.closes);
        EXPECT_EQ(outcome.focus, AccountField::OpeningAmount);
        EXPECT_EQ(document.AccountCount(), 0) << c.typed;
    }
    EXPECT_EQ(ReadOpeningAmount(std::string(49, '1') + "$"), 1.1111111111111111e48);  // only 49 characters count
}

TEST(AccountRules, DetailsRefuseAMissingOrUsedNameAndABadCreditLimit) {
    const char* kLimit = "Enter a valid credit limit (numbers, commas, periods and no other symbols).";
    const struct { AccountDetailsText typed; const char* message; AccountField focus; bool empties; } cases[] = {
        {Details(""), "Enter a name for the account.", AccountField::Name, true},
        {Details(" Savings"), "Enter a name for the account.", AccountField::Name, true},
        {Details("VISA"), "Account name already used, enter another one.", AccountField::Name, false},
        {Details("Savings", "1,000$"), kLimit, AccountField::CreditLimit, false},
        {Details("Savings", "-5"), kLimit, AccountField::CreditLimit, false},
    };
    for (const auto& c : cases) {
        Document document;
        document.AddAccount(Named("Visa", AccountTypeCredit));
        document.AddAccount(Named("New"));
        const Document before = document;
        const AccountOutcome outcome = StoreAccountDetails(document, 1, c.typed);
        EXPECT_STREQ(outcome.message, c.message) << c.typed.name;
        EXPECT_FALSE(outcome.closes);
        EXPECT_EQ(outcome.focus, c.focus) << c.typed.name;
        EXPECT_EQ(outcome.emptiesField, c.empties) << c.typed.name;
        EXPECT_EQ(document, before) << c.typed.name;
    }
}

TEST(AccountRules, DetailsStoreTheFieldsCutToTheirCapacity) {
    Document document;
    document.AddAccount(Named("Visa", AccountTypeCredit));
    document.AddAccount(Named("Cash", AccountTypeCash));
    // The account's own name in other case is not a duplicate.
    const AccountOutcome outcome = StoreAccountDetails(document, 0, Details("VISA", "2,500.50"));
    EXPECT_TRUE(outcome.closes && outcome.message == nullptr);
    const Account& visa = document.GetAccount(0);
    EXPECT_EQ(visa.name.view(), "VISA");
    EXPECT_EQ(visa.contactInfo.view(), "Call\r\nthe bank");
    EXPECT_EQ(visa.creditLimit, 2500.5);

    const std::string longText(120, 'x');
    ASSERT_TRUE(StoreAccountDetails(document, 1, {longText, longText, longText, longText, " 9"}).closes);
    const Account& cash = document.GetAccount(1);
    for (std::string_view cut : {cash.name.view(), cash.comment.view(), cash.accountNumber.view()})
        EXPECT_EQ(cut, std::string(30, 'x'));
    EXPECT_EQ(cash.contactInfo.view(), std::string(100, 'x'));
    EXPECT_EQ(cash.creditLimit, 0.0);  // a first blank counts as empty
}
