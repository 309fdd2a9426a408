#pragma once
// What the Adjust dialog checks and adds: the typed target for an account's
// balance, and the "ADJUSTMENT" entry for the difference.

#include <optional>
#include <string_view>

#include "model/account.h"
#include "model/dates.h"
#include "model/rule_outcome.h"

inline constexpr char kAdjustmentMemo[] = "ADJUSTMENT";

// The target typed, read from its first 49 characters: a first blank means 0;
// otherwise a leading minus, then only digits, commas and periods (commas are
// dropped). std::nullopt when the text is refused.
std::optional<double> ReadAdjustTarget(std::string_view typed);

// An OK with the box's text: a refused text sends the focus back to the box
// with the refusal worded for the account type; a target less than half a
// cent from the balance ends the dialog unchanged (2); otherwise the entry
// for the difference, dated `today`, is appended and the dialog ends with 1
// (also when it could not be added, after saying so).
RuleOutcome AdjustBalance(Account& account, std::string_view typed, const Date& today);
