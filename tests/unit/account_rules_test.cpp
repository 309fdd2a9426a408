// The account rules: the opening entry New Account makes from the amount
// typed, its refusals by type, and what Account Details accepts and stores.

#include "model/account_rules.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 4, 9};

AccountDetailsText Details(const char* name, const char* creditLimit = "") {
    return {name, "comment", "12-34", "Call\r\nthe bank", creditLimit};
}

}  // namespace

TEST(AccountRules, NewAccountIsAddedEmptyWithTheOpeningEntryOfItsType) {
    // Kind 0 for a positive amount, kind 1 with it negated for a negative one, dated today.
    const auto entry = [](std::int32_t kind, double amount, const char* memo) {
        return std::vector<Transaction>{{amount, kind, kToday.month, kToday.day, kToday.year, 0, 0, "", memo}};
    };
    const struct { std::int32_t type; const char* typed; std::vector<Transaction> entries; } cases[] = {
        {AccountTypeBank, "1,500.00", entry(0, 1500.0, "OPENING BALANCE")},
        {AccountTypeCredit, "-250", entry(1, 250.0, "OPENING BALANCE")},
        {AccountTypeBudget, "80", entry(0, 80.0, "BUDGET AMOUNT")},
        {AccountTypeCash, "-0.5", entry(1, 0.5, "OPENING CASH AMOUNT")},
        {AccountTypeBank, "0", {}}, {AccountTypeCash, "", {}},
        {AccountTypeOther, " 12$", {}},  // a first blank skips the check
    };
    for (const auto& c : cases) {
        Document document;
        document.AddAccount({.type = AccountTypeBank, .name = "Existing"});
        EXPECT_EQ(AddNewAccount(document, c.type, c.typed, kToday), Ends(DialogEnd::Changed)) << c.typed;
        ASSERT_EQ(document.AccountCount(), 2);
        EXPECT_EQ(document.GetAccount(1), (Account{.type = c.type, .transactions = c.entries})) << c.typed;
    }
}

TEST(AccountRules, NewAccountRefusesAnAmountWithOtherSymbolsInTheWordsOfItsType) {
    const struct { std::int32_t type; const char* typed; const Message* message; } cases[] = {
        {AccountTypeBank, "12$", &kInvalidOpeningBalance},  {AccountTypeCredit, "5-", &kInvalidOpeningBalance},
        {AccountTypeBudget, "1 000", &kInvalidBudgetAmount}, {AccountTypeCash, "-x", &kInvalidOpeningCashAmount},
        {7, "--5", &kInvalidOpeningBalance},  // an unknown type reads as Other
    };
    for (const auto& c : cases) {
        Document document;
        EXPECT_EQ(AddNewAccount(document, c.type, c.typed, kToday), StaysOpen(c.message, IDC_OPENING_AMOUNT))
            << c.typed;
        EXPECT_EQ(document.AccountCount(), 0) << c.typed;
    }
    EXPECT_EQ(ReadOpeningAmount(std::string(49, '1') + "$"), 1.1111111111111111e48);  // only 49 characters count
}

TEST(AccountRules, DetailsRefuseAMissingOrUsedNameAndABadCreditLimitAndStoreTheFieldsCut) {
    const struct { AccountDetailsText typed; RuleOutcome outcome; } cases[] = {
        {Details(""), StaysOpen(&kEnterAccountName, IDC_ACCOUNT_NAME, true)},
        {Details(" Savings"), StaysOpen(&kEnterAccountName, IDC_ACCOUNT_NAME, true)},
        {Details("VISA"), StaysOpen(&kAccountNameUsed, IDC_ACCOUNT_NAME)},
        // Checked for a Cash account too: the hidden box still holds a text.
        {Details("Savings", "1,000$"), StaysOpen(&kInvalidCreditLimit, IDC_CREDIT_LIMIT)},
        {Details("Savings", "-5"), StaysOpen(&kInvalidCreditLimit, IDC_CREDIT_LIMIT)},
    };
    Document document;
    document.AddAccount({.type = AccountTypeCredit, .name = "Visa"});
    document.AddAccount({.type = AccountTypeCash, .name = "New"});
    const Document before = document;
    for (const auto& c : cases) {
        EXPECT_EQ(StoreAccountDetails(document, 1, c.typed), c.outcome) << c.typed.name;
        EXPECT_EQ(document, before) << c.typed.name;
    }
    // The account's own name in other case is not a duplicate.
    EXPECT_EQ(StoreAccountDetails(document, 0, Details("VISA", "2,500.50")), Ends(DialogEnd::Changed));
    EXPECT_EQ(document.GetAccount(0),
              (Account{AccountTypeCredit, "VISA", "comment", "12-34", "Call\r\nthe bank", 2500.5}));

    // A first blank in the credit limit counts as empty.
    const std::string longText(120, 'x');
    const std::string_view x = longText;
    ASSERT_TRUE(StoreAccountDetails(document, 1, {longText, longText, longText, longText, " 9"}).Closes());
    EXPECT_EQ(document.GetAccount(1),
              (Account{AccountTypeCash, x.substr(0, 30), x.substr(0, 30), x.substr(0, 30), x.substr(0, 100), 0.0}));
}

TEST(AccountRules, ANewAccountIsKeptOnlyWithItsDetails) {
    Document document;
    document.AddAccount(Account{});
    document.AddAccount(Account{.name = "New"});
    EXPECT_TRUE(KeepNewAccount(document, true));
    EXPECT_EQ(document.AccountCount(), 2);
    EXPECT_FALSE(KeepNewAccount(document, false));
    ASSERT_EQ(document.AccountCount(), 1);
    EXPECT_TRUE(document.GetAccount(0).name.empty());
}
