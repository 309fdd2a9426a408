#pragma once
// The context numbers of the help file's topics that the program asks for.
// The pop-up topics of the account dialogs depend on the account's type
// (account_types.h).

inline constexpr unsigned kHelpGettingStarted = 1;
inline constexpr unsigned kHelpAccounts = 3;
inline constexpr unsigned kHelpBillsDeposits = 4;
inline constexpr unsigned kHelpTransactions = 6;
