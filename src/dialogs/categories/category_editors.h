#pragma once
// The New Category (109) and Edit Category (110) dialogs: one name box each.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// Appends a category to `document`: 1 when one was added (the last
// category), 2 after Cancel.
INT_PTR ShowNewCategoryDialog(HWND owner, Document& document);

// Renames the category of `document` at `category` in place: 1 when it was
// renamed, 2 after Cancel, for "None" or outside the list.
INT_PTR ShowEditCategoryDialog(HWND owner, Document& document, std::int32_t category);
