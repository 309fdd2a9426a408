#pragma once
// The transaction list: a report view of the current account's transactions.

#include <windows.h>

// Column 7 carries the running total; its title depends on the account type.
inline constexpr int kDateColumn = 1;
inline constexpr int kColumnCount = 8;

// Creates the list (hidden) with its eight columns; false when it cannot be made.
bool CreateTransactionList();

// Puts the indicator for Program.SortDate on the Date header: up for
// ascending, down for descending, none when unsorted.
void ShowDateSortImage();
