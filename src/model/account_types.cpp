#include "model/account_types.h"

#include "model/records.h"

namespace {

constexpr AccountTypeInfo kBank{
    "Bank", {"Deposit", "Withdrawal"}, "Balance", "Deposits", "Withdrawals", "Current balance",
    &kInvalidCurrentBalance, "Checking, Savings and other Bank accounts", "Opening balance", "OPENING BALANCE",
    &kInvalidOpeningBalance, 12, true, false, 0, 9};
constexpr AccountTypeInfo kCredit{
    "Credit", {"Charge", "Payment"}, "Balance", "Charges", "Payments", "Current balance", &kInvalidCurrentBalance,
    "Credit and Charge cards", "Opening balance", "OPENING BALANCE", &kInvalidOpeningBalance, 12, true, true, 0, 10};
constexpr AccountTypeInfo kBudget{
    "Budget", {"Receive", "Spend"}, "Left", "Received", "Spent", "Current amount left", &kInvalidAmountLeft,
    "Keeps track of a budget", "Budget amount", "BUDGET AMOUNT", &kInvalidBudgetAmount, 13, false, false, 150, 11};
constexpr AccountTypeInfo kCash{
    "Cash", {"Receive", "Spend"}, "Left", "Received", "Spent", "Current amount left", &kInvalidAmountLeft,
    "Keeps track of daily expenditures", "Opening cash amount", "OPENING CASH AMOUNT", &kInvalidOpeningCashAmount,
    14, false, false, 150, 11};
constexpr AccountTypeInfo kOther{
    "Other", {"Deposit", "Withdrawal"}, "Balance", "Deposits", "Withdrawals", "Current balance",
    &kInvalidCurrentBalance, "Account types that are not Bank, Credit, Budget or Cash", "Opening balance",
    "OPENING BALANCE", &kInvalidOpeningBalance, 12, true, false, 0, 9};

}  // namespace

const AccountTypeInfo& TypeInfo(std::int32_t type) {
    switch (type) {
    case AccountTypeBank:
        return kBank;
    case AccountTypeCredit:
        return kCredit;
    case AccountTypeBudget:
        return kBudget;
    case AccountTypeCash:
        return kCash;
    default:
        return kOther;
    }
}
