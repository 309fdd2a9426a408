#pragma once
// The Bills & Deposits dialog (115): the scheduled bills and deposits of the
// whole file with their due status; New, Edit, Delete and Process.

#include <windows.h>

#include <cstdint>

#include "model/document.h"
#include "model/history/history.h"
#include "shell/program.h"

// What the dialog works on: the items of `document`, the account the main
// window shows (proposed for a new item) and its views.
struct BillsSubject {
    Document& document;
    std::int32_t currentAccount;
    History& history;  // every change is a step of its own
    MainWindowRefresh views;
};

// Runs the dialog over `owner` (the file must have an account); it ends with
// 2 ("Close"). Every change refreshes the stats panel, and a transaction
// processed into the current account fills the transaction list again.
INT_PTR ShowBillsDialog(HWND owner, const BillsSubject& subject);
