#pragma once
// What the New Account and Account Details dialogs check and change.

#include <cstdint>
#include <optional>
#include <string>

#include "model/dates.h"
#include "model/document.h"
#include "model/rule_outcome.h"

// The opening amount box as New Account reads it: its first 49 characters; a
// first blank counts as empty (0). Otherwise a minus may come first and the
// rest must pass the amount check. std::nullopt when refused.
std::optional<double> ReadOpeningAmount(std::string text);

// An OK in New Account: appends a new account of `type` (empty texts, no
// credit limit) with its opening entry for the amount, dated `today`. A
// refused amount sends the focus back to its box; an account that cannot be
// added leaves the dialog open; one whose opening entry cannot be added is
// kept without it.
RuleOutcome AddNewAccount(Document& document, std::int32_t type, const std::string& amountText, const Date& today);

// What follows Account Details for the account New Account has just added
// (the last one): it is kept only when its details were stored, and removed
// again otherwise. Whether it was kept.
bool KeepNewAccount(Document& document, bool detailsStored);

// The texts of the Account Details boxes as typed.
struct AccountDetailsText {
    std::string name;
    std::string comment;
    std::string accountNumber;
    std::string contactInfo;
    std::string creditLimit;
};

// An OK in Account Details for account `index` (0 <= index < count): the name
// must be there, not start with a blank and differ, ignoring case, from every
// other account's name; the credit limit must be a valid amount whatever the
// type. Only an accepted OK stores the fields, each cut to its capacity.
RuleOutcome StoreAccountDetails(Document& document, std::int32_t index, const AccountDetailsText& text);
