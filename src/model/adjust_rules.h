#pragma once
// What the Adjust dialog shows, checks and adds: an account's balance, the
// typed target, and the "ADJUSTMENT" entry for the difference.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/account.h"
#include "model/dates.h"
#include "model/message_icon.h"

inline constexpr char kAdjustmentMemo[] = "ADJUSTMENT";
inline constexpr char kErrorAddingTransactionMessage[] = "Error adding transaction.";

// "Current amount left" for Budget and Cash accounts, "Current balance" for the others.
const char* BalanceLabel(std::int32_t accountType);

// The sum of +amount for kind 0 and -amount for any other kind, in storage
// order from 0.0: the list's last running total.
double AccountBalance(const Account& account);

// The refusal of a target text, worded for the account type.
const char* InvalidTargetMessage(std::int32_t accountType);

// The target typed, read from its first 49 characters: a first blank means 0;
// otherwise a leading minus, then only digits, commas and periods (commas are
// dropped). std::nullopt when the text is refused.
std::optional<double> ReadAdjustTarget(std::string_view typed);

// The entry that takes `balance` to `target`: kind 0 to raise it, kind 1 to
// lower it, the positive difference, today's date, memo "ADJUSTMENT".
// std::nullopt when the two are exactly equal.
std::optional<Transaction> AdjustmentEntry(double balance, double target, const Date& today);

// What an OK in the dialog leads to.
struct AdjustOutcome {
    enum class Result {
        Invalid,    // the text is refused; the dialog stays open with it selected
        Unchanged,  // the target is the balance; nothing added
        Added,      // the entry is at the end of the account
        AddFailed,  // no memory for the entry; the account is unchanged
    };
    Result result;
    const char* message;  // nullptr when nothing is shown
    MessageIcon icon;     // None only without a message

    bool Closes() const { return result != Result::Invalid; }
    // The dialog's result: 1 when an entry was added or tried, 2 when nothing changed.
    int DialogResult() const { return result == Result::Unchanged ? 2 : 1; }
};

// An OK with the field's text: checks it, then appends the adjustment entry to `account`.
AdjustOutcome AdjustBalance(Account& account, std::string_view typed, const Date& today);
