#pragma once
// The Accounts dialog (107): lists the accounts and switches to, details,
// adjusts, creates and deletes them.

#include <windows.h>

#include <cstdint>

#include "model/document.h"
#include "model/history/history.h"

// What the dialog works on: the accounts of `document`, the position of the
// one the main window shows, and what shows it there again.
struct AccountsSubject {
    Document& document;
    // -1 for none; lowered by one when an account before it is deleted, -1
    // once it is deleted itself.
    std::int32_t& current;
    History& history;  // every change is a step of its own
    // Called whenever details, an adjustment or a deletion changed what the
    // main window shows of the current account.
    void (*showCurrentAccount)();
};

// What the dialog ended with: 1 after "Switch to..." with the chosen account
// in `switchTo`, 2 after "Close", IDC_NEW_ACCOUNT after "New...".
struct AccountsChoice {
    INT_PTR end = IDCANCEL;
    std::int32_t switchTo = -1;
};

AccountsChoice ShowAccountsDialog(HWND owner, AccountsSubject subject);
