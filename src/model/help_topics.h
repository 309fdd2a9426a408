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
    {9, "account_details_bank"},
    {10, "account_details_credit"},
    {11, "account_details_budget_cash"},
    {12, "new_account"},
    {13, "new_budget_account"},
    {14, "new_cash_account"},
};

// The page of a context number; the contents for one the help has not.
inline std::string_view HelpPage(unsigned context) {
    for (const HelpPageOfContext& entry : kHelpPages)
        if (entry.context == context) return entry.page;
    return "index";
}
