#include "model/rules/account_rules.h"
#include "model/rules/password_rules.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 4, 9};

AccountDetailsText Details(const char* name, const char* creditLimit = "") {
    return {name, "comment", "12-34", "Call\r\nthe bank", creditLimit};
}

const RuleOutcome kIncorrect = StaysOpen(&kPasswordIncorrect, IDC_CURRENT_PASSWORD);
const RuleOutcome kMismatch = StaysOpen(&kPasswordsDoNotMatch, IDC_NEW_PASSWORD);
const RuleOutcome kSet = Ends(DialogEnd::Changed);
const RuleOutcome kCleared = Ends(DialogEnd::Changed, &kPasswordCleared);

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

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

TEST(PasswordRules, ChangeChecksTheCurrentThenTheNewOnesThenSetsOrClears) {
    const struct { std::string stored, current, newText, verify; RuleOutcome outcome; std::string after; } cases[] = {
        // The current password exactly, case and all; a refusal changes nothing.
        {"Secret", "secret", "New", "New", kIncorrect, "Secret"}, {"Secret", "", "New", "New", kIncorrect, "Secret"},
        {"Secret", "Secret ", "New", "New", kIncorrect, "Secret"}, {"", "x", "New", "New", kIncorrect, ""},
        {"Secret", "wrong", "one", "two", kIncorrect, "Secret"},  // checked before the new ones
        // The new password and its verification must be the same.
        {"", "", "abc", "ABC", kMismatch, ""}, {"Secret", "Secret", "", "x", kMismatch, "Secret"},
        // Then the new text is the password; only removing one is announced.
        {"", "", "Secret", "Secret", kSet, "Secret"}, {"", "", "", "", kSet, ""},
        {"a much longer old password", "a much longer old password", "short", "short", kSet, "short"},
        {"Secret", "Secret", "", "", kCleared, ""},
        // Only the first 30 characters of each box count.
        {"", "", kForty, kForty, kSet, kThirty}, {kThirty, kForty, "next", "next", kSet, "next"},
        {"", "", kThirty + "one", kThirty + "two", kSet, kThirty},
        {kThirty, "A" + kThirty.substr(1), "", "", kIncorrect, kThirty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored + " / " + c.current + " / " + c.newText + " / " + c.verify);
        Text31 password(c.stored);
        EXPECT_EQ(ChangePassword(password, c.current, c.newText, c.verify), c.outcome);
        EXPECT_EQ(password, Text31(c.after));  // the whole array: the bytes after the text are zero
    }
}

TEST(PasswordRules, OpeningPasswordMustMatchItsFirstThirtyCharacters) {
    const struct { std::string expected, typed; bool accepted; } cases[] = {
        {"Secret", "Secret", true}, {"Secret", "secret", false}, {"Secret", "", false},
        {"Secret", "Secret ", false}, {"", "", true}, {"", "x", false},
        {kThirty, kForty, true}, {kThirty, kThirty.substr(0, 29), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckOpeningPassword(IsOpeningPassword(Text31(c.expected), c.typed)),
                  c.accepted ? Ends(DialogEnd::Changed) : StaysOpen(&kPasswordIncorrect, IDC_OPENING_PASSWORD))
            << c.expected << " / " << c.typed;
}

TEST(PasswordRules, EncryptionNeedsAPasswordAndAKeyOfItsOwnOncePerPassword) {
    constexpr std::uint32_t kRounds = 1000;
    const auto change = [&](Text31& password, FileProtection& protection, const char* current, const char* newText,
                            bool encrypt) {
        return ChangePasswordAndProtection(password, protection, current, newText, newText, encrypt, kRounds);
    };
    Text31 password;
    FileProtection protection;
    // Nothing to encrypt with.
    EXPECT_EQ(change(password, protection, "", "", true), StaysOpen(&kEnterPasswordToEncrypt, IDC_NEW_PASSWORD));
    EXPECT_FALSE(protection.encrypted);
    // The password's own checks come first and change nothing.
    EXPECT_EQ(ChangePasswordAndProtection(password, protection, "", "a", "b", true, kRounds),
              StaysOpen(&kPasswordsDoNotMatch, IDC_NEW_PASSWORD));

    EXPECT_EQ(change(password, protection, "", "first", true), Ends(DialogEnd::Changed));
    EXPECT_EQ(password, Text31("first"));
    ASSERT_TRUE(protection.encrypted);
    EXPECT_EQ(protection.iterations, kRounds);
    const FileProtection firstKey = protection;
    // The same password again keeps its key; a new one gets a new salt and key.
    EXPECT_EQ(change(password, protection, "first", "first", true), Ends(DialogEnd::Changed));
    EXPECT_EQ(protection, firstKey);
    EXPECT_EQ(change(password, protection, "first", "second", true), Ends(DialogEnd::Changed));
    EXPECT_NE(protection.salt, firstKey.salt);
    EXPECT_NE(protection.key, firstKey.key);
    // Clearing the password of an encrypted file is refused while the box stays ticked.
    EXPECT_EQ(change(password, protection, "second", "", true), StaysOpen(&kEnterPasswordToEncrypt, IDC_NEW_PASSWORD));
    EXPECT_EQ(password, Text31("second"));
    // Unticked: plain again, the password as the user sets it.
    EXPECT_EQ(change(password, protection, "second", "second", false), Ends(DialogEnd::Changed));
    EXPECT_EQ(protection, FileProtection());
    EXPECT_EQ(change(password, protection, "WRONG", "x", true), StaysOpen(&kPasswordIncorrect, IDC_CURRENT_PASSWORD));
    EXPECT_EQ(change(password, protection, "second", "", false), Ends(DialogEnd::Changed, &kPasswordCleared));
}
