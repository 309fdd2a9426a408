#pragma once
// The account the main window shows (Program.CurrentAccountIndex) and the
// refreshes of the views after a change.

#include <cstdint>

#include "shell/program.h"

// Makes the account at `index` current (-1 for none) and brings the window
// in line: title, command states, stats panel, list.
void SelectAccount(std::int32_t index);

// Fills the list of the current account again, then the stats panel,
// saying "Error updating transaction list." when the fill fails.
void RefreshTransactionViews();

// The Undo and Redo items as the history has them: named after their step,
// grey when there is none.
void RefreshEditMenu();

// The same refreshes, for a dialog that changes what the views show while
// it stays open.
MainWindowRefresh MainWindowViews();
