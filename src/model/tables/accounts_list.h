#pragma once
// What the Accounts dialog decides: one row per account in the document's
// order, never sorted, so that a row index is an account index; which
// buttons need an account; and what deleting the account on a row leaves for
// the main window.

#include <cstdint>

#include "model/account_types.h"
#include "model/document.h"
#include "model/history/document_changes.h"
#include "model/tables/list_columns.h"
#include "model/lists.h"

// The list's columns: the account's name and its type's word.
enum AccountColumn : int {
    AccountColumnName = 0,
    AccountColumnType,
};
inline constexpr ListColumn kAccountListColumns[] = {{AccountColumnName, "Name", 200}, {AccountColumnType, "Type", 90}};

inline const char* AccountCellText(const Account& account, int column) {
    return column == AccountColumnName ? account.name.c_str() : TypeInfo(account.type).word;
}

// "Switch to...", "Details..." and "Delete" work on an account, so they are
// enabled only while there is one; otherwise the focus goes to "New...".
// "New..." and "Adjust..." are always enabled.
inline bool AccountButtonsEnabled(const Document& document) { return document.AccountCount() > 0; }

// The account a row stands for, or -1 when the row (-1 for no selection)
// names none: the buttons then say "No account is selected.".
inline std::int32_t AccountOnRow(const Document& document, int row) {
    return PositionInList(row, document.AccountCount());
}

// The current account after a deletion.
struct AccountDeletion {
    bool deleted;          // false when memory ran out: nothing changed
    bool currentDeleted;   // the deleted account was the current one: none is current now
    std::int32_t current;  // otherwise the same account's index, lowered when it stood after
};

// Deletes account k (0 <= k < count) with its transactions and bills/deposits,
// as a step of `history`; the bills/deposits of other accounts keep pointing
// at the same accounts. Where memory runs out nothing changes.
inline AccountDeletion DeleteAccountOnRow(Document& document, std::int32_t k, std::int32_t currentAccountIndex,
                                          History& history) {
    const bool currentDeleted = currentAccountIndex == k;
    std::optional<Step> deleted = DeleteAccount(document, k, currentAccountIndex);
    if (!deleted) return {false, false, currentAccountIndex};
    history.Record(std::move(*deleted));
    return {true, currentDeleted, currentAccountIndex};
}
