#include "model/account.h"

#include <cassert>
#include <limits>
#include <new>

bool Account::AddTransaction(const Transaction& transaction) {
    if (transactions.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
    try {
        transactions.push_back(transaction);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void Account::RemoveTransaction(std::int32_t position) {
    assert(position >= 0 && position < TransactionCount());
    transactions.erase(transactions.begin() + position);
}

Transaction& Account::GetTransaction(std::int32_t position) {
    assert(position >= 0 && position < TransactionCount());
    return transactions[static_cast<std::size_t>(position)];
}

const Transaction& Account::GetTransaction(std::int32_t position) const {
    assert(position >= 0 && position < TransactionCount());
    return transactions[static_cast<std::size_t>(position)];
}

Transaction* Account::FindTransaction(std::int32_t position) {
    return position >= 0 && position < TransactionCount() ? &transactions[static_cast<std::size_t>(position)]
                                                           : nullptr;
}

double AccountBalance(const Account& account) {
    double balance = 0.0;
    for (const Transaction& t : account.transactions) balance += SignedAmount(t);
    return balance;
}

std::optional<Transaction> EntryForDifference(double difference, const Date& date, const char* memo) {
    if (difference == 0.0) return std::nullopt;
    Transaction entry;
    entry.kind = difference > 0.0 ? KindIn : KindOut;
    entry.amount = difference > 0.0 ? difference : -difference;  // stored amounts are never negative
    entry.month = date.month;
    entry.day = date.day;
    entry.year = date.year;
    entry.memo = memo;
    return entry;
}
