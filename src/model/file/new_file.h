#pragma once
// A new file's contents: no password, no accounts or bills, the default categories.

#include "model/document.h"

// The categories of a new file, "None" first.
inline constexpr const char* kDefaultCategories[] = {
    "None",       "Bills",     "Groceries",     "Entertainment", "Dining Out",           "Household",
    "Automobile", "Cash Withdrawals", "Income", "Personal Care", "Healthcare",           "Childcare",
    "Pet Care",   "Clothing",  "Education",     "Insurance",     "Rent",                 "Mortgage",
    "Gifts",      "Charitable Donations", "Vacation",
};

// Empties the document and adds the default categories; a category that
// cannot be added is skipped. False when "None" could not be added.
bool NewFileSetup(Document& document);
