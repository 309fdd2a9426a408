#pragma once
// What the Categories dialog and its New and Edit Category dialogs decide.
// The list box shows the categories from position 1 on ("None", position 0,
// is never listed, renamed or deleted): row r is category r + 1.

#include <cstdint>
#include <string_view>

#include "model/document.h"
#include "model/rule_outcome.h"

// The category a list box row stands for, or 0 when the row (-1 for no
// selection) names none: Edit and Delete then say "No category is selected.".
std::int32_t CategoryOnRow(const Document& document, int row);

// An OK in New Category: the typed name (its first 30 characters) must be
// there, not start with a blank and differ, ignoring case, from every listed
// category; then it is appended as the last category. A file without any
// category gets "None" first, so that the new one is not taken for it.
RuleOutcome AddNewCategory(Document& document, std::string_view typed);

// An OK in Edit Category for category `index` (1 <= index < count): the same
// checks, its own name in another case allowed; then the name is replaced in
// place, so every reference keeps it.
RuleOutcome RenameCategory(Document& document, std::int32_t index, std::string_view typed);
