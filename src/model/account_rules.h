#pragma once
// What the New Account and Account Details dialogs check, say and change.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/document.h"
#include "model/message_icon.h"

inline constexpr char kEnterAccountNameMessage[] = "Enter a name for the account.";
inline constexpr char kAccountNameUsedMessage[] = "Account name already used, enter another one.";
inline constexpr char kInvalidCreditLimitMessage[] =
    "Enter a valid credit limit (numbers, commas, periods and no other symbols).";
inline constexpr char kErrorAddingAccountMessage[] = "Error adding account.";
inline constexpr char kErrorAddingTransactionMessage[] = "Error adding transaction.";

// What the New Account dialog shows for a type, and what it names the opening entry.
struct AccountTypeTexts {
    const char* description;
    const char* amountLabel;
    const char* openingMemo;
    const char* invalidAmountMessage;
    unsigned helpTopic;  // the pop-up topic of the Help button
};

// The texts of a type; a code outside Bank..Cash gets those of Other.
const AccountTypeTexts& TypeTexts(std::int32_t type);

// The boxes of the two dialogs that a refusal sends the user back to.
enum class AccountField { None, OpeningAmount, Name, CreditLimit };

// What an OK leads to: a message first (when there is one), then either the
// dialog closes with 1, or it stays open with the focus on a box (its text
// selected, or the box emptied first).
struct AccountOutcome {
    const char* message;  // nullptr when nothing is shown
    MessageIcon icon;     // None only without a message
    bool closes;
    AccountField focus = AccountField::None;
    bool emptiesField = false;
};

// The opening amount box as New Account reads it: its first 49 characters; a
// first blank counts as empty (0). Otherwise a minus may come first and the
// rest must pass the amount check. std::nullopt when refused.
std::optional<double> ReadOpeningAmount(std::string text);

// The entry that opens an account of `type` with `amount`: kind 0 for a
// positive amount, kind 1 with the amount negated for a negative one, none for 0.
std::optional<Transaction> OpeningEntry(std::int32_t type, double amount, const Date& today);

// An OK in New Account: appends a new account of `type` (empty texts, no
// credit limit) to the document with its opening entry dated `today`.
AccountOutcome AddNewAccount(Document& document, std::int32_t type, const std::string& amountText,
                             const Date& today);

// The texts of the Account Details boxes as typed.
struct AccountDetailsText {
    std::string name;
    std::string comment;
    std::string accountNumber;
    std::string contactInfo;
    std::string creditLimit;
};

// An OK in Account Details for account `index` (0 <= index < count): the name
// must be there, not start with a blank and differ, ignoring case, from every
// other account's name; the credit limit must be a valid amount whatever the
// type. Only an accepted OK stores the fields, each cut to its capacity.
AccountOutcome StoreAccountDetails(Document& document, std::int32_t index, const AccountDetailsText& text);

// Which Account Details boxes a type shows, and the window height it needs
// (0 keeps the template's).
struct AccountDetailsLayout {
    bool showsNumberAndContact;
    bool showsCreditLimit;
    int windowHeight;
};
AccountDetailsLayout DetailsLayout(std::int32_t type);

// The pop-up topic of the Account Details Help button for a type.
unsigned DetailsHelpTopic(std::int32_t type);

// ASCII comparison ignoring case, as account names are compared.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
