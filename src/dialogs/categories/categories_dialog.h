#pragma once
// The Categories dialog (108): lists the categories after "None" and adds,
// renames and deletes them.

#include <windows.h>

#include "model/document.h"
#include "model/history/history.h"
#include "shell/program.h"

// Runs the dialog over `owner` for the categories of `document`; it ends
// with 2 ("Close"). After a rename or a delete it fills the transaction list
// again through `views`, saying "Error updating transaction list." when that
// fails.
INT_PTR ShowCategoriesDialog(HWND owner, Document& document, History& history, const MainWindowRefresh& views);
