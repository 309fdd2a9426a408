#pragma once
// The records of a Pennywhist file and their codes.

#include <cstdint>

#include "model/text_field.h"

// AccountType codes as stored in the file.
enum AccountType : std::int32_t {
    AccountTypeBank = 0,
    AccountTypeCredit = 1,
    AccountTypeBudget = 2,
    AccountTypeCash = 3,
    AccountTypeOther = 4,
};

// Occurrence codes of a bill or deposit.
enum Occurrence : std::int32_t {
    OccurrenceOnce = 0,
    OccurrenceDaily = 1,
    OccurrenceWeekly = 2,
    OccurrenceEveryOtherWeek = 3,
    OccurrenceMonthly = 4,
};

// Bill/deposit kind codes (a transaction's kind means something else).
enum BillDepositKind : std::int32_t {
    BillKind = 0,
    DepositKind = 1,
};

// Transaction kind codes as the program writes them: KindIn adds the amount
// to the balance, KindOut takes it away.
enum TransactionKind : std::int32_t {
    KindIn = 0,
    KindOut = 1,
};

// Where a transaction stands against the bank's statements: not yet seen on
// one, ticked against one not yet finished, or part of a finished
// reconciliation.
enum TransactionMark : std::uint8_t {
    MarkUncleared = 0,
    MarkCleared = 1,
    MarkReconciled = 2,
};

// Files may carry any kind: every value but KindIn takes the amount away.
inline bool AddsToBalance(std::int32_t kind) { return kind == KindIn; }

// One entry of an account; its kind says what it does to the balance, and
// amount itself is never negative. The amount comes first, unlike in the
// file, so that no padding makes a million of them 8 MB larger; the mark
// takes a byte the padding had, and the file keeps it in its extension block.
struct Transaction {
    double amount = 0.0;
    std::int32_t kind = KindIn;  // TransactionKind code
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t year = 0;
    std::int32_t category = 0;  // position in the category list
    std::int32_t number = 0;
    Text31 payee;
    Text31 memo;
    std::uint8_t mark = MarkUncleared;  // TransactionMark

    friend bool operator==(const Transaction&, const Transaction&) = default;
};
static_assert(sizeof(Transaction) == 96, "a transaction's size is what a million of them cost");

// A scheduled bill or deposit; the date is the next due date.
struct BillDeposit {
    std::int32_t kind = BillKind;
    double amount = 0.0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t year = 0;
    std::int32_t category = 0;  // position in the category list
    std::int32_t number = 0;
    Text31 payee;
    Text31 memo;
    std::int32_t occurrence = OccurrenceOnce;
    std::int32_t account = 0;  // position in the account list

    friend bool operator==(const BillDeposit&, const BillDeposit&) = default;
};
