#pragma once
// An account and its transactions, and the one balance rule.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/dates.h"
#include "model/records.h"

// The bank's own id of an imported transaction, by which a later import of
// the same statement knows the line is already there.
struct BankId {
    std::int32_t position = 0;  // of the transaction in its account
    std::string id;

    friend bool operator==(const BankId&, const BankId&) = default;
};

// The longest bank id kept; banks' ids are far shorter.
inline constexpr std::size_t kMaxBankIdLength = 255;

// The closing balance of the last statement an import brought, as the
// account's balance reads it (what a Credit account owes is positive).
struct StatementClosing {
    std::int64_t cents = 0;
    Date date;

    friend bool operator==(const StatementClosing&, const StatementClosing&) = default;
};

struct Account {
    std::int32_t type = AccountTypeBank;  // AccountType code
    Text31 name;
    Text31 comment;
    Text31 accountNumber;  // Bank, Credit and Other only
    Text101 contactInfo;   // Bank, Credit and Other only
    double creditLimit = 0.0;  // Credit only
    std::vector<Transaction> transactions;  // in the order they were added
    // Beside the transactions rather than in them, so that a transaction
    // entered by hand costs no more memory: in position order, one at most
    // per transaction. Editing a transaction keeps its id.
    std::vector<BankId> bankIds;
    std::optional<StatementClosing> lastStatement;

    std::int32_t TransactionCount() const { return static_cast<std::int32_t>(transactions.size()); }

    // Appends at the tail; false (account unchanged) when no memory is left
    // or the count would overflow.
    bool AddTransaction(const Transaction& transaction);
    // 0 <= position < TransactionCount(); later transactions move up by one,
    // and their bank ids with them.
    void RemoveTransaction(std::int32_t position);
    // Puts `transaction` at `position` (0 <= position <= TransactionCount()),
    // with `bankId` when it is not empty; later transactions and their bank
    // ids move down by one. False, with the account unchanged, when no
    // memory is left.
    bool InsertTransaction(std::int32_t position, const Transaction& transaction, const std::string& bankId);
    // The bank id of the transaction at `position`, or nullptr when it has none.
    const std::string* BankIdOf(std::int32_t position) const;
    Transaction& GetTransaction(std::int32_t position);
    const Transaction& GetTransaction(std::int32_t position) const;
    // The transaction at `position`, or nullptr outside the list.
    Transaction* FindTransaction(std::int32_t position);

    friend bool operator==(const Account&, const Account&) = default;
};

// What a transaction does to the balance.
inline double SignedAmount(const Transaction& t) { return AddsToBalance(t.kind) ? t.amount : -t.amount; }

// An amount in whole cents, rounded half away from zero; a file's amount
// beyond any real one (more than ten trillion) is held to that bound, so
// that sums of them stay in range.
std::int64_t AmountCents(double amount);

// What a transaction does to the balance, in whole cents: the figures that
// must agree to the cent (a statement's, a reconciliation's) are sums of these.
inline std::int64_t SignedCents(const Transaction& t) {
    return AddsToBalance(t.kind) ? AmountCents(t.amount) : -AmountCents(t.amount);
}

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
