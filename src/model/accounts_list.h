#pragma once
// What the Accounts dialog shows and decides: one row per account in the
// document's order, never sorted, so that a row index is an account index;
// which buttons need an account; and what deleting the account on a row
// leaves for the main window.

#include <cstdint>

#include "model/document.h"
#include "model/message_icon.h"

inline constexpr char kNoAccountSelectedMessage[] = "No account is selected.";
inline constexpr MessageIcon kNoAccountSelectedIcon = MessageIcon::Exclamation;

// Asked with Yes and No before an account is deleted.
inline constexpr char kDeleteAccountQuestion[] =
    "Are you sure you want to delete the selected account?\n\n"
    "All transactions and bills/deposits in the account will be deleted...";
inline constexpr MessageIcon kDeleteAccountIcon = MessageIcon::Exclamation;

// The Type column; files may carry any code, and the unknown ones read "Other".
inline const char* AccountTypeWord(std::int32_t type) {
    switch (type) {
    case AccountTypeBank:
        return "Bank";
    case AccountTypeCredit:
        return "Credit";
    case AccountTypeBudget:
        return "Budget";
    case AccountTypeCash:
        return "Cash";
    default:
        return "Other";
    }
}

// "Switch to...", "Details..." and "Delete" work on an account, so they are
// enabled only while there is one; otherwise the focus goes to "New...".
// "New..." and "Adjust..." are always enabled.
inline bool AccountButtonsEnabled(const Document& document) { return document.AccountCount() > 0; }

// The account a row stands for, or -1 when the row (-1 for no selection)
// names none: the buttons then say kNoAccountSelectedMessage.
inline std::int32_t AccountOnRow(const Document& document, int row) {
    return row >= 0 && row < document.AccountCount() ? row : -1;
}

// The current account after a deletion.
struct AccountDeletion {
    bool currentDeleted;   // the deleted account was the current one: none is current now
    std::int32_t current;  // otherwise the same account's index, lowered when it stood after
};

// Deletes account k (0 <= k < count) with its transactions and bills/deposits;
// the bills/deposits of other accounts keep pointing at the same accounts.
inline AccountDeletion DeleteAccountOnRow(Document& document, std::int32_t k, std::int32_t currentAccountIndex) {
    const bool currentDeleted = currentAccountIndex == k;
    document.DeleteAccount(k, currentAccountIndex);
    return {currentDeleted, currentAccountIndex};
}
