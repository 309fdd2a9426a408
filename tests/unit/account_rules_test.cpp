// The account rules: the opening entry New Account makes from the amount
// typed, its refusals by type, and what Account Details accepts and stores.

#include <gtest/gtest.h>

#include <string>

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
    struct Case {
        std::int32_t type;
        const char* typed;
        bool hasEntry;
        std::int32_t kind = 0;
        double amount = 0.0;
        const char* word = nullptr;
    };
    const Case cases[] = {
        {AccountTypeBank, "1,500.00", true, 0, 1500.0, "Deposit"},
        {AccountTypeBank, "-250", true, 1, 250.0, "Withdrawal"},
        {AccountTypeCredit, "-250", true, 1, 250.0, "Payment"},
        {AccountTypeCredit, "300", true, 0, 300.0, "Charge"},
        {AccountTypeBudget, "-1,000.5", true, 1, 1000.5, "Spend"},
        {AccountTypeBank, "0", false},
        {AccountTypeCash, "", false},
        {AccountTypeBank, "-", false},
        {AccountTypeBank, " 5", false},
        {AccountTypeOther, " 12$", false},  // a first blank skips the check
    };
    for (const Case& c : cases) {
        Document document;
        document.AddAccount(Named("Existing"));
        const AccountOutcome outcome = AddNewAccount(document, c.type, c.typed, kToday);
        EXPECT_TRUE(outcome.closes) << c.typed;
        EXPECT_EQ(outcome.message, nullptr) << c.typed;
        ASSERT_EQ(document.AccountCount(), 2) << c.typed;
        const Account& added = document.GetAccount(1);
        EXPECT_EQ(added.type, c.type);
        EXPECT_TRUE(added.name.empty());
        EXPECT_EQ(added.creditLimit, 0.0);
        ASSERT_EQ(added.TransactionCount(), c.hasEntry ? 1 : 0) << c.typed;
        if (!c.hasEntry) continue;
        const Transaction& entry = added.GetTransaction(0);
        EXPECT_EQ(entry.kind, c.kind) << c.typed;
        EXPECT_EQ(entry.amount, c.amount) << c.typed;
        EXPECT_STREQ(KindWord(c.type, entry.kind), c.word) << c.typed;
        EXPECT_EQ(Date({entry.year, entry.month, entry.day}), kToday);
        EXPECT_EQ(entry.category, 0);
        EXPECT_EQ(entry.number, 0);
        EXPECT_TRUE(entry.payee.empty());
        EXPECT_EQ(entry.memo.view(), TypeTexts(c.type).openingMemo);
    }
}

TEST(AccountRules, NewAccountRefusesAnAmountWithOtherSymbolsByType) {
    const char* balance = "Enter a valid opening balance (numbers, commas, periods and no other symbols).";
    const struct {
        std::int32_t type;
        const char* typed;
        const char* message;
    } cases[] = {
        {AccountTypeBank, "12$", balance},
        {AccountTypeCredit, "5-", balance},
        {AccountTypeOther, "--5", balance},
        {AccountTypeBudget, "1 000", "Enter a valid budget amount (numbers, commas, periods and no other symbols)."},
        {AccountTypeCash, "-x", "Enter a valid opening cash amount (numbers, commas, periods and no other symbols)."},
    };
    for (const auto& c : cases) {
        Document document;
        const AccountOutcome outcome = AddNewAccount(document, c.type, c.typed, kToday);
        EXPECT_STREQ(outcome.message, c.message) << c.typed;
        EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
        EXPECT_FALSE(outcome.closes);
        EXPECT_EQ(outcome.focus, AccountField::OpeningAmount);
        EXPECT_FALSE(outcome.emptiesField);
        EXPECT_EQ(document.AccountCount(), 0) << c.typed;
    }
    // Only the first 49 characters count.
    EXPECT_EQ(ReadOpeningAmount(std::string(49, '1') + "$"), 1.1111111111111111e48);
}

TEST(AccountRules, TypeTextsAndDetailsLayoutFollowTheType) {
    const struct {
        std::int32_t type;
        const char* label;
        unsigned newHelp, detailsHelp;
        AccountDetailsLayout layout;
    } cases[] = {
        {AccountTypeBank, "Opening balance", 12, 9, {true, false, 0}},
        {AccountTypeCredit, "Opening balance", 12, 10, {true, true, 0}},
        {AccountTypeBudget, "Budget amount", 13, 11, {false, false, 150}},
        {AccountTypeCash, "Opening cash amount", 14, 11, {false, false, 150}},
        {AccountTypeOther, "Opening balance", 12, 9, {true, false, 0}},
        {7, "Opening balance", 12, 9, {true, false, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(TypeTexts(c.type).amountLabel, c.label) << c.type;
        EXPECT_EQ(TypeTexts(c.type).helpTopic, c.newHelp) << c.type;
        EXPECT_EQ(DetailsHelpTopic(c.type), c.detailsHelp) << c.type;
        const AccountDetailsLayout layout = DetailsLayout(c.type);
        EXPECT_EQ(layout.showsNumberAndContact, c.layout.showsNumberAndContact) << c.type;
        EXPECT_EQ(layout.showsCreditLimit, c.layout.showsCreditLimit) << c.type;
        EXPECT_EQ(layout.windowHeight, c.layout.windowHeight) << c.type;
    }
    EXPECT_STREQ(TypeTexts(7).description, "Account types that are not Bank, Credit, Budget or Cash");
}

TEST(AccountRules, DetailsRefuseAMissingOrUsedNameAndABadCreditLimit) {
    const struct {
        AccountDetailsText typed;
        const char* message;
        AccountField focus;
        bool empties;
    } cases[] = {
        {Details(""), "Enter a name for the account.", AccountField::Name, true},
        {Details(" Savings"), "Enter a name for the account.", AccountField::Name, true},
        {Details("VISA"), "Account name already used, enter another one.", AccountField::Name, false},
        {Details("checking"), "Account name already used, enter another one.", AccountField::Name, false},
        {Details("Savings", "1,000$"), "Enter a valid credit limit (numbers, commas, periods and no other symbols).",
         AccountField::CreditLimit, false},
        {Details("Savings", "-5"), "Enter a valid credit limit (numbers, commas, periods and no other symbols).",
         AccountField::CreditLimit, false},
    };
    for (const auto& c : cases) {
        Document document;
        document.AddAccount(Named("Visa", AccountTypeCredit));
        document.AddAccount(Named("Checking"));
        document.AddAccount(Named("New"));
        const Document before = document;
        const AccountOutcome outcome = StoreAccountDetails(document, 2, c.typed);
        EXPECT_STREQ(outcome.message, c.message) << c.typed.name;
        EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
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
    AccountOutcome outcome = StoreAccountDetails(document, 0, Details("VISA Gold", "2,500.50"));
    ASSERT_TRUE(outcome.closes);
    outcome = StoreAccountDetails(document, 0, Details("visa gold", "2,500.50"));
    ASSERT_TRUE(outcome.closes);
    EXPECT_EQ(outcome.message, nullptr);
    const Account& visa = document.GetAccount(0);
    EXPECT_EQ(visa.name.view(), "visa gold");
    EXPECT_EQ(visa.comment.view(), "comment");
    EXPECT_EQ(visa.accountNumber.view(), "12-34");
    EXPECT_EQ(visa.contactInfo.view(), "Call\r\nthe bank");
    EXPECT_EQ(visa.creditLimit, 2500.5);

    const std::string longText(120, 'x');
    ASSERT_TRUE(StoreAccountDetails(document, 1, {longText, longText, longText, longText, " 9"}).closes);
    const Account& cash = document.GetAccount(1);
    EXPECT_EQ(cash.name.view(), std::string(30, 'x'));
    EXPECT_EQ(cash.comment.view(), std::string(30, 'x'));
    EXPECT_EQ(cash.accountNumber.view(), std::string(30, 'x'));
    EXPECT_EQ(cash.contactInfo.view(), std::string(100, 'x'));
    EXPECT_EQ(cash.creditLimit, 0.0);  // a first blank counts as empty
}
