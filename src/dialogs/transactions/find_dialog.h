#pragma once
// The Find Transaction dialog (122): selects the next row of the transaction
// list whose payee, memo or number holds a text.

#include <windows.h>

#include "model/records.h"

// The transaction a row of the list shows, or nullptr.
using TransactionOnRow = const Transaction* (*)(int row);

// Runs the dialog over `owner`, searching `list` as it displays its rows,
// whose transactions `transactionOnRow` gives; it ends only with Cancel (2).
INT_PTR ShowFindDialog(HWND owner, HWND list, TransactionOnRow transactionOnRow);
