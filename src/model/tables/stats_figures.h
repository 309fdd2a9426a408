#pragma once
// What the stats panel shows: today's date, the current account's figures,
// and the next bill and deposit of the whole file with their due marks.

#include <array>
#include <cstdint>
#include <string>

#include "model/dates.h"
#include "model/document.h"

// A due date against today: earlier is overdue, equal is due, later pending.
enum class DueStatus { Overdue, Due, Pending };
DueStatus GetDueStatus(const Date& due, const Date& today);

struct StatsFigures {
    std::string today;  // today's date in the date format
    std::array<std::string, 4> labels;
    std::array<std::string, 4> values;
    std::array<bool, 4> colonShown{};
    std::string clearedBalance;  // the cleared and reconciled transactions' sum; empty without an account
    std::string nextBill;     // "NONE", or the date with " (OVERDUE)" or " (DUE)"
    std::string nextDeposit;  // likewise
};

// The panel's texts for the account at `currentAccount` (-1 for none).
StatsFigures ComputeStatsFigures(const Document& document, std::int32_t currentAccount, const Date& today,
                                 std::int32_t dateFormat);
