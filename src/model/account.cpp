#include "model/account.h"

#include <cassert>
#include <cstring>
#include <limits>
#include <new>

#include "model/data_stream.h"
#include "model/platform_file.h"

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

std::uint64_t AccountHeadSize(std::int32_t type) {
    std::uint64_t size = 4 + 31 + 31 + 4;
    if (HasAccountDetails(type)) size += 31 + 101;
    if (HasCreditLimit(type)) size += 8;
    return size;
}

namespace {

// Offsets of a transaction record in the file.
constexpr std::size_t kKind = 0, kAmount = 4, kMonth = 12, kDay = 16, kYear = 20, kCategory = 24, kNumber = 28,
                      kPayee = 32, kMemo = 63;

void Pack(const Transaction& t, unsigned char* record) {
    std::memcpy(record + kKind, &t.kind, 4);
    std::memcpy(record + kAmount, &t.amount, 8);
    std::memcpy(record + kMonth, &t.month, 4);
    std::memcpy(record + kDay, &t.day, 4);
    std::memcpy(record + kYear, &t.year, 4);
    std::memcpy(record + kCategory, &t.category, 4);
    std::memcpy(record + kNumber, &t.number, 4);
    std::memcpy(record + kPayee, t.payee.bytes, 31);
    std::memcpy(record + kMemo, t.memo.bytes, 31);
}

void Unpack(const unsigned char* record, Transaction& t) {
    std::memcpy(&t.kind, record + kKind, 4);
    std::memcpy(&t.amount, record + kAmount, 8);
    std::memcpy(&t.month, record + kMonth, 4);
    std::memcpy(&t.day, record + kDay, 4);
    std::memcpy(&t.year, record + kYear, 4);
    std::memcpy(&t.category, record + kCategory, 4);
    std::memcpy(&t.number, record + kNumber, 4);
    std::memcpy(t.payee.bytes, record + kPayee, 31);
    std::memcpy(t.memo.bytes, record + kMemo, 31);
    t.payee.bytes[30] = '\0';
    t.memo.bytes[30] = '\0';
}

}  // namespace

void Account::Write(DataWriter& out) const {
    out.WriteInt32(type);
    out.WriteText(name);
    out.WriteText(comment);
    if (HasAccountDetails(type)) {
        out.WriteText(accountNumber);
        out.WriteText(contactInfo);
    }
    if (HasCreditLimit(type)) out.WriteDouble(creditLimit);
    out.WriteInt32(TransactionCount());
    unsigned char record[kTransactionRecordSize];
    for (const Transaction& t : transactions) {
        Pack(t, record);
        out.Write(record, sizeof record);
    }
}

bool Account::Read(DataReader& in) {
    if (!in.ReadInt32(type) || !in.ReadText(name) || !in.ReadText(comment)) return false;
    if (HasAccountDetails(type) && (!in.ReadText(accountNumber) || !in.ReadText(contactInfo))) return false;
    if (HasCreditLimit(type) && !in.ReadDouble(creditLimit)) return false;
    std::int32_t count = 0;
    if (!in.ReadInt32(count) || !in.CanHold(count, kTransactionRecordSize)) return false;
    try {
        transactions.reserve(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return false;
    }
    PrepareBulkMemory(transactions.data(), transactions.capacity() * sizeof(Transaction));
    for (std::int32_t i = 0; i < count; ++i) {
        const unsigned char* record = in.Next(kTransactionRecordSize);
        if (record == nullptr) return false;
        Unpack(record, transactions.emplace_back());
    }
    return true;
}
