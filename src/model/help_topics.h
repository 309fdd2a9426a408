#pragma once
// The context numbers of the help file's topics that the program asks for,
// and the HTML pages that stand in for the help file where the WinHelp engine
// is missing. The pop-up topics of the account dialogs depend on the
// account's type (account_types.h).

#include <string_view>

inline constexpr unsigned kHelpGettingStarted = 1;
inline constexpr unsigned kHelpAccounts = 3;
inline constexpr unsigned kHelpBillsDeposits = 4;
inline constexpr unsigned kHelpTransactions = 6;
// The pop-ups of Account Details and New Account.
inline constexpr unsigned kHelpAccountDetailsBank = 9;
inline constexpr unsigned kHelpAccountDetailsCredit = 10;
inline constexpr unsigned kHelpAccountDetailsBudgetCash = 11;
inline constexpr unsigned kHelpNewAccount = 12;
inline constexpr unsigned kHelpNewBudgetAccount = 13;
inline constexpr unsigned kHelpNewCashAccount = 14;
inline constexpr unsigned kHelpReconcile = 15;
inline constexpr unsigned kHelpCharts = 16;

// The help source names each topic's page; these are the pages of the
// numbered topics. The contents are "index".
struct HelpPageOfContext {
    unsigned context;
    std::string_view page;
};
inline constexpr HelpPageOfContext kHelpPages[] = {
    {kHelpGettingStarted, "getting_started"},
    {kHelpAccounts, "accounts"},
    {kHelpBillsDeposits, "bills_deposits"},
    {kHelpTransactions, "transactions"},
    {kHelpAccountDetailsBank, "account_details_bank"},
    {kHelpAccountDetailsCredit, "account_details_credit"},
    {kHelpAccountDetailsBudgetCash, "account_details_budget_cash"},
    {kHelpNewAccount, "new_account"},
    {kHelpNewBudgetAccount, "new_budget_account"},
    {kHelpNewCashAccount, "new_cash_account"},
    {kHelpReconcile, "reconcile"},
    {kHelpCharts, "charts"},
};

// The page of a context number; the contents for one the help has not.
inline std::string_view HelpPage(unsigned context) {
    for (const HelpPageOfContext& entry : kHelpPages)
        if (entry.context == context) return entry.page;
    return "index";
}
