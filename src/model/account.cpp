#include "model/account.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "model/lists.h"

bool Account::AddTransaction(const Transaction& transaction) { return AppendToList(transactions, transaction); }

void Account::RemoveTransaction(std::int32_t position) {
    assert(PositionInList(position, TransactionCount()) >= 0);
    transactions.erase(transactions.begin() + position);
    auto id = std::lower_bound(bankIds.begin(), bankIds.end(), position,
                               [](const BankId& entry, std::int32_t p) { return entry.position < p; });
    if (id != bankIds.end() && id->position == position) id = bankIds.erase(id);
    for (; id != bankIds.end(); ++id) --id->position;
}

bool Account::InsertTransaction(std::int32_t position, const Transaction& transaction, const std::string& bankId) {
    assert(position >= 0 && position <= TransactionCount());
    try {
        // Room first, so that nothing below can fail half way.
        transactions.reserve(transactions.size() + 1);
        bankIds.reserve(bankIds.size() + 1);
        const BankId kept{position, bankId};
        transactions.insert(transactions.begin() + position, transaction);
        auto id = std::lower_bound(bankIds.begin(), bankIds.end(), position,
                                   [](const BankId& entry, std::int32_t p) { return entry.position < p; });
        for (auto later = id; later != bankIds.end(); ++later) ++later->position;
        if (!bankId.empty()) bankIds.insert(id, kept);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

const std::string* Account::BankIdOf(std::int32_t position) const {
    const auto id = std::lower_bound(bankIds.begin(), bankIds.end(), position,
                                     [](const BankId& entry, std::int32_t p) { return entry.position < p; });
    return id != bankIds.end() && id->position == position ? &id->id : nullptr;
}

Transaction& Account::GetTransaction(std::int32_t position) {
    assert(PositionInList(position, TransactionCount()) >= 0);
    return transactions[static_cast<std::size_t>(position)];
}

const Transaction& Account::GetTransaction(std::int32_t position) const {
    assert(PositionInList(position, TransactionCount()) >= 0);
    return transactions[static_cast<std::size_t>(position)];
}

Transaction* Account::FindTransaction(std::int32_t position) {
    return PositionInList(position, TransactionCount()) >= 0 ? &transactions[static_cast<std::size_t>(position)]
                                                              : nullptr;
}

std::int64_t AmountCents(double amount) {
    constexpr double kBound = 1e15;
    const double cents = amount * 100.0;
    if (!(cents < kBound)) return cents != cents ? 0 : static_cast<std::int64_t>(kBound);
    if (!(cents > -kBound)) return -static_cast<std::int64_t>(kBound);
    return static_cast<std::int64_t>(cents < 0 ? cents - 0.5 : cents + 0.5);
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
