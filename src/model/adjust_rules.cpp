#include "model/adjust_rules.h"

#include "model/amounts.h"

const char* BalanceLabel(std::int32_t accountType) {
    return accountType == AccountTypeBudget || accountType == AccountTypeCash ? "Current amount left"
                                                                                : "Current balance";
}

double AccountBalance(const Account& account) {
    double balance = 0.0;
    for (const Transaction& t : account.transactions) balance += t.kind == 0 ? t.amount : -t.amount;
    return balance;
}

const char* InvalidTargetMessage(std::int32_t accountType) {
    return accountType == AccountTypeBudget || accountType == AccountTypeCash
               ? "Enter a valid amount left (numbers, commas, periods and no other symbols)."
               : "Enter a valid current balance (numbers, commas, periods and no other symbols).";
}

// A balance may be negative.
std::optional<double> ReadAdjustTarget(std::string_view typed) { return ReadSignedAmountField(std::string(typed)); }

std::optional<Transaction> AdjustmentEntry(double balance, double target, const Date& today) {
    if (target == balance) return std::nullopt;
    Transaction entry;
    entry.kind = target > balance ? 0 : 1;
    entry.amount = target > balance ? target - balance : balance - target;
    entry.month = today.month;
    entry.day = today.day;
    entry.year = today.year;
    entry.memo = kAdjustmentMemo;
    return entry;
}

AdjustOutcome AdjustBalance(Account& account, std::string_view typed, const Date& today) {
    using Result = AdjustOutcome::Result;
    const std::optional<double> target = ReadAdjustTarget(typed);
    if (!target) return {Result::Invalid, InvalidTargetMessage(account.type), MessageIcon::Exclamation};
    const std::optional<Transaction> entry = AdjustmentEntry(AccountBalance(account), *target, today);
    if (!entry) return {Result::Unchanged, nullptr, MessageIcon::None};
    if (!account.AddTransaction(*entry)) return {Result::AddFailed, kErrorAddingTransactionMessage, MessageIcon::Stop};
    return {Result::Added, nullptr, MessageIcon::None};
}
