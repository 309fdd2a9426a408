#pragma once
// What depends on an account's type, in one table: its words in the lists,
// the labels of the stats panel and of the dialogs, the fields Account
// Details shows, the help topics and the opening entry's memo. Files may
// carry any type code; an unknown one reads as Other.

#include <cstdint>

#include "model/messages.h"
#include "model/records.h"

struct AccountTypeInfo {
    const char* word;             // the Type column of the Accounts dialog
    const char* kindWords[2];     // a transaction of KindIn, and of any other kind
    const char* balanceTitle;     // the list's last column and the stats panel's first figure
    const char* inTitle;          // the stats panel's sum of the amounts that add to the balance
    const char* outTitle;         // and of those that take from it
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
