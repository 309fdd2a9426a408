#pragma once
// The Categories dialog (108): lists the categories after "None" and adds,
// renames and deletes them.

#include <windows.h>

// Runs the dialog over `owner`; it ends with 2 ("Close"). After a rename or a
// delete it calls `refreshList` (when given) to show the current account's
// rows again, and says "Error updating transaction list." when that fails.
INT_PTR ShowCategoriesDialog(HWND owner, bool (*refreshList)());
