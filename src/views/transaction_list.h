#pragma once
// The transaction list: a virtual report view of the current account's
// transactions. The rows, their order and their texts come from the core as
// the list paints them.

#include <windows.h>

#include <cstdint>

#include "model/document.h"
#include "model/tables/transaction_rows.h"

// Creates the list (hidden) with its eight columns and its pictures at the
// list's DPI; false when it cannot be made.
bool CreateTransactionList();

// The list moved from a screen at `fromDpi` to one at `toDpi`: its columns
// keep their widths as the user left them, and its pictures are drawn anew.
void RescaleTransactionList(int fromDpi, int toDpi);

// Puts the indicator for Program.SortDate on the Date header: up for
// ascending, down for descending, none when unsorted.
void ShowDateSortImage();

// Makes the account at `index` current (-1 for none) and brings the window
// in line: title, command states, stats panel, list.
void SelectAccount(int index);

// The list shows the account of `document` at the position that `current`
// holds (-1 for none). Both are read whenever the list fills or paints, so
// an account that moves up a place when another is deleted stays shown.
void FollowAccount(const Document& document, const std::int32_t& current);

// Shows the followed account with its balance title and rows, or hides the
// list when there is none (its rows are left as they were). False when the
// rows cannot be made (the caller shows "Error updating transaction list.").
bool ShowFollowedAccount();

// Rebuilds the rows of the followed account; false when they cannot be made.
bool FillTransactionList();

// The list's notifications, passed on by the frame.
LRESULT OnTransactionListNotify(NMHDR& header);

// The context menu of the list at a screen position (-1, -1 from the
// keyboard); false when the position is outside the list.
bool ShowTransactionListMenu(LPARAM screenPosition);

// The storage index of the transaction on the selected row, or -1 when no
// row is selected.
int SelectedTransaction();

// The rows the list shows, in its order.
const TransactionRows& ShownRows();

// Selects and shows the row of the transaction at `storageIndex`, if the list has it.
void SelectShownTransaction(std::int32_t storageIndex);

// The transaction on a row of the list, or nullptr when the row shows none.
const Transaction* ShownTransaction(int row);
