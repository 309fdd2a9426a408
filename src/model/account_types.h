#pragma once
// What depends on an account's type, in one table: its words in the lists,
// the labels of the stats panel and of the dialogs, the fields Account
// Details shows and the data file keeps, the kind of its spending, the help
// topics and the opening entry's memo. Files may carry any type code; an
// unknown one reads as Other.

#include <cstdint>

#include "model/help_topics.h"
#include "model/messages.h"
#include "model/records.h"

struct AccountTypeInfo {
    const char* word;             // the Type column of the Accounts dialog
    const char* kindWords[2];     // a transaction of KindIn, and of any other kind
    const char* balanceTitle;     // the list's last column and the stats panel's first figure
    const char* inTitle;          // the stats panel's sum of the amounts that add to the balance
    const char* outTitle;         // and of those that take from it
    // The kind a new transaction starts with and a processed bill gives (a
    // deposit gives the other): a charge adds to what a Credit account owes.
    std::int32_t spendingKind;
    const char* balanceLabel;     // the Adjust dialog's box
    const Message* invalidTarget; // the Adjust dialog's refusal
    // New Account
    const char* description;
    const char* openingAmountLabel;
    const char* openingMemo;
    const Message* invalidOpeningAmount;
    unsigned newAccountHelpTopic;  // pop-up topic of its Help button
    // Account Details
    bool showsNumberAndContact;
    bool showsCreditLimit;  // also: the stats panel shows the credit left
    int detailsHeight;      // the window's height; 0 keeps the template's
    unsigned detailsHelpTopic;
};

const AccountTypeInfo& TypeInfo(std::int32_t type);

// The word for a transaction's kind in an account of the given type.
inline const char* KindWord(std::int32_t accountType, std::int32_t kind) {
    return TypeInfo(accountType).kindWords[AddsToBalance(kind) ? KindIn : KindOut];
}

// Whether an account's record in the data file holds its number and contact
// information, and its credit limit: as its type shows them, but neither for
// a code of no type, which only reads as Other.
bool HasAccountDetails(std::int32_t type);
bool HasCreditLimit(std::int32_t type);
