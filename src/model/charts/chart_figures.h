#pragma once
// What the Charts dialog shows, added up once per choice of chart, accounts
// and period: the totals by category, the balance at the end of each day, or
// the money in and out of each month. Laying the figures out on an area of
// any size is the chart layout's work.

#include <cstdint>
#include <string>
#include <vector>

#include "model/dates.h"
#include "model/document.h"

// The charts, in the order of the dialog's list.
enum class ChartKind : int { Spending, Income, Balance, Months };
inline constexpr const char* kChartNames[] = {"Spending by category", "Income by category", "Balance over time",
                                              "Income and spending by month"};

// The periods, in the order of the dialog's list.
enum class ChartPeriod : int { ThisMonth, LastMonth, ThisYear, LastYear, Last12Months, TwoDates };
inline constexpr const char* kChartPeriodNames[] = {"This month", "Last month",        "This year",
                                                    "Last year",  "The last 12 months", "Between two dates"};

// From `first` to `last`, both days included.
struct DateSpan {
    Date first;
    Date last;

    friend bool operator==(const DateSpan&, const DateSpan&) = default;
};

// The days of `period` seen from `today`; the last 12 months are this month
// up to today and the 11 before it. Between two dates takes
// `from` and `to` in either order.
DateSpan PeriodDates(ChartPeriod period, const Date& today, const Date& from, const Date& to);

// What one entry of the dialog's account list covers: one account, or every
// account whose balance moves the same way (what a Credit account owes goes
// up with spending, any other account's balance down).
struct ChartAccounts {
    std::string name;
    std::vector<std::int32_t> accounts;  // positions in the account list
};

// Each account by name in list order, then each group of two or more
// accounts of the same convention: "All Credit accounts", "All Bank, Budget,
// Cash and Other accounts".
std::vector<ChartAccounts> ChartAccountChoices(const Document& document);

// The accounts' words for their figures: their type's when they share one
// ("Withdrawals", "Deposits", "Balance" for Bank; "Charges", "Payments" for
// Credit), otherwise "Spending", "Income" and "Balance".
struct ChartWords {
    std::string spending;
    std::string income;
    std::string balance;
};
ChartWords WordsOfAccounts(const Document& document, const std::vector<std::int32_t>& accounts);

struct CategoryBar {
    std::string name;  // "(No category)" for a reference outside the list
    double amount = 0.0;
};

struct MonthColumn {
    std::int32_t year = 0;
    std::int32_t month = 0;
    double in = 0.0;   // the income's total
    double out = 0.0;  // the spending's total
};

struct ChartFigures {
    ChartKind kind = ChartKind::Spending;
    std::string title;     // what, whose, when: the chart's first line
    std::string emptyText; // shown instead of a chart without figures
    ChartWords words;
    // Spending and Income: the categories with transactions, largest first
    // (ties in list order).
    std::vector<CategoryBar> bars;
    // Balance: the balance at the end of each day from `firstDay` on.
    Date firstDay;
    std::vector<double> balances;
    // Months: every month of the period, in order.
    std::vector<MonthColumn> months;
};

// The figures of one chart in one pass over the accounts' transactions.
// Spending counts the transactions of the spending kind of the accounts'
// type (a Charge in a Credit account), Income the others. A balance is the
// sum of every transaction dated up to that day; its line stops at the later
// of today and the last transaction of the period.
ChartFigures ComputeChartFigures(const Document& document, ChartKind kind, const ChartAccounts& accounts,
                                 const DateSpan& period, const Date& today, std::int32_t dateFormat);
