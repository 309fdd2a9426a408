#pragma once
// The New Category (109) and Edit Category (110) dialogs: one name box each.

#include <windows.h>

// Appends a category: 1 when one was added (the last category), 2 after Cancel.
INT_PTR ShowNewCategoryDialog(HWND owner);

// Renames the category at Program.SelectedCategoryIndex in place: 1 when it
// was renamed, 2 after Cancel.
INT_PTR ShowEditCategoryDialog(HWND owner);
