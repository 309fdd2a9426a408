#include "model/account_types.h"

namespace {

constexpr AccountTypeInfo kBank{
    "Bank", {"Deposit", "Withdrawal"}, "Balance", "Deposits", "Withdrawals", KindOut, "Current balance",
    &kInvalidCurrentBalance, "Checking, Savings and other Bank accounts", "Opening balance", "OPENING BALANCE",
    &kInvalidOpeningBalance, kHelpNewAccount, true, false, 0, kHelpAccountDetailsBank};
constexpr AccountTypeInfo kCredit{
    "Credit", {"Charge", "Payment"}, "Balance", "Charges", "Payments", KindIn, "Current balance",
    &kInvalidCurrentBalance, "Credit and Charge cards", "Opening balance", "OPENING BALANCE",
    &kInvalidOpeningBalance, kHelpNewAccount, true, true, 0, kHelpAccountDetailsCredit};
constexpr AccountTypeInfo kBudget{
    "Budget", {"Receive", "Spend"}, "Left", "Received", "Spent", KindOut, "Current amount left", &kInvalidAmountLeft,
    "Keeps track of a budget", "Budget amount", "BUDGET AMOUNT", &kInvalidBudgetAmount, kHelpNewBudgetAccount, false,
    false, 150, kHelpAccountDetailsBudgetCash};
constexpr AccountTypeInfo kCash{
    "Cash", {"Receive", "Spend"}, "Left", "Received", "Spent", KindOut, "Current amount left", &kInvalidAmountLeft,
    "Keeps track of daily expenditures", "Opening cash amount", "OPENING CASH AMOUNT", &kInvalidOpeningCashAmount,
    kHelpNewCashAccount, false, false, 150, kHelpAccountDetailsBudgetCash};
constexpr AccountTypeInfo kOther{
    "Other", {"Deposit", "Withdrawal"}, "Balance", "Deposits", "Withdrawals", KindOut, "Current balance",
    &kInvalidCurrentBalance, "Account types that are not Bank, Credit, Budget or Cash", "Opening balance",
    "OPENING BALANCE", &kInvalidOpeningBalance, kHelpNewAccount, true, false, 0, kHelpAccountDetailsBank};

// The row of a type code, or nullptr for a code of no type.
const AccountTypeInfo* KnownTypeInfo(std::int32_t type) {
    switch (type) {
    case AccountTypeBank:
        return &kBank;
    case AccountTypeCredit:
        return &kCredit;
    case AccountTypeBudget:
        return &kBudget;
    case AccountTypeCash:
        return &kCash;
    case AccountTypeOther:
        return &kOther;
    default:
        return nullptr;
    }
}

}  // namespace

const AccountTypeInfo& TypeInfo(std::int32_t type) {
    const AccountTypeInfo* info = KnownTypeInfo(type);
    return info != nullptr ? *info : kOther;
}

bool HasAccountDetails(std::int32_t type) {
    const AccountTypeInfo* info = KnownTypeInfo(type);
    return info != nullptr && info->showsNumberAndContact;
}

bool HasCreditLimit(std::int32_t type) {
    const AccountTypeInfo* info = KnownTypeInfo(type);
    return info != nullptr && info->showsCreditLimit;
}
