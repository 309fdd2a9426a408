#pragma once
// An account and its transactions, and the one balance rule.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/dates.h"
#include "model/records.h"

struct Account {
    std::int32_t type = AccountTypeBank;  // AccountType code
    Text31 name;
    Text31 comment;
    Text31 accountNumber;  // Bank, Credit and Other only
    Text101 contactInfo;   // Bank, Credit and Other only
    double creditLimit = 0.0;  // Credit only
    std::vector<Transaction> transactions;  // in the order they were added

    std::int32_t TransactionCount() const { return static_cast<std::int32_t>(transactions.size()); }

    // Appends at the tail; false (account unchanged) when no memory is left
    // or the count would overflow.
    bool AddTransaction(const Transaction& transaction);
    // 0 <= position < TransactionCount(); later transactions move up by one.
    void RemoveTransaction(std::int32_t position);
    Transaction& GetTransaction(std::int32_t position);
    const Transaction& GetTransaction(std::int32_t position) const;
    // The transaction at `position`, or nullptr outside the list.
    Transaction* FindTransaction(std::int32_t position);

    friend bool operator==(const Account&, const Account&) = default;
};

// What a transaction does to the balance.
inline double SignedAmount(const Transaction& t) { return AddsToBalance(t.kind) ? t.amount : -t.amount; }

// The amounts that add to the balance and those that take from it, each
// summed in list order: the two totals of the stats panel and the summaries.
struct InOutSums {
    double in = 0.0;
    double out = 0.0;

    void Add(const Transaction& t) { (AddsToBalance(t.kind) ? in : out) += t.amount; }
};

// The sum of the signed amounts in storage order from 0.0: the list's last
// running total, the stats panel's and the Adjust dialog's balance.
double AccountBalance(const Account& account);

// The entry that changes a balance by `difference` (opening entries,
// adjustments): KindIn with the difference when it is positive, KindOut with
// it negated when negative, dated `date`, with `memo`. None for 0.
std::optional<Transaction> EntryForDifference(double difference, const Date& date, const char* memo);
