#pragma once
// An account and its transactions.

#include <cstdint>
#include <vector>

#include "model/records.h"

class DataReader;
class DataWriter;

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
    void ClearTransactions() { transactions.clear(); }

    // The account record of the data file: head (by type) and transactions.
    void Write(DataWriter& out) const;
    // Fills an empty account from the stream; false when the stream ends
    // early, a count is negative or larger than what is left, or memory runs out.
    bool Read(DataReader& in);

    friend bool operator==(const Account&, const Account&) = default;
};

// Bytes of an account head for a type code: 70, 202 (Bank, Other) or 210 (Credit).
std::uint64_t AccountHeadSize(std::int32_t type);

inline constexpr std::uint64_t kTransactionRecordSize = 94;
