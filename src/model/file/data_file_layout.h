#pragma once
// The record layout of the .pwf data file: sizes, and the one packing of the
// transaction fields that transactions and bills/deposits share. Numbers are
// little-endian, texts are stored as their whole fixed-width arrays.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/records.h"

// The file starts with these 10 bytes (no terminator) and the version.
inline constexpr std::size_t kDataFileMagicSize = 10;
inline constexpr char kDataFileMagic[kDataFileMagicSize] = {'P', 'e', 'n', 'n', 'y', 'w', 'h', 'i', 's', 't'};
inline constexpr std::int32_t kDataFileVersion = 1;

inline constexpr std::size_t kCategoryRecordSize = sizeof(Text31::bytes);

// kind, amount, month, day, year, category, number, payee, memo.
inline constexpr std::size_t kTransactionRecordSize = 4 + 8 + 4 + 4 + 4 + 4 + 4 + 31 + 31;
// occurrence and account, then the transaction fields.
inline constexpr std::size_t kBillDepositRecordSize = 4 + 4 + kTransactionRecordSize;

static_assert(kCategoryRecordSize == 31);
static_assert(kTransactionRecordSize == 94);
static_assert(kBillDepositRecordSize == 102);

// Bytes of an account head for a type code: 70 (Budget, Cash and unknown
// codes), 202 (Bank, Other) or 210 (Credit). The head ends with the count of
// transactions.
std::uint64_t AccountHeadSize(std::int32_t type);

// The smallest head of any type: what every account takes at least.
inline constexpr std::uint64_t kSmallestAccountHeadSize = 4 + 31 + 31 + 4;

// Offsets of the transaction fields in their part of a record.
namespace transaction_layout {
inline constexpr std::size_t kKind = 0, kAmount = 4, kMonth = 12, kDay = 16, kYear = 20, kCategory = 24,
                             kNumber = 28, kPayee = 32, kMemo = 63;
static_assert(kMemo + 31 == kTransactionRecordSize);
}  // namespace transaction_layout

// Writes the nine transaction fields of a Transaction or a BillDeposit into
// kTransactionRecordSize bytes.
template <class Record>
void PackTransactionFields(const Record& r, unsigned char* bytes) {
    using namespace transaction_layout;
    std::memcpy(bytes + kKind, &r.kind, 4);
    std::memcpy(bytes + kAmount, &r.amount, 8);
    std::memcpy(bytes + kMonth, &r.month, 4);
    std::memcpy(bytes + kDay, &r.day, 4);
    std::memcpy(bytes + kYear, &r.year, 4);
    std::memcpy(bytes + kCategory, &r.category, 4);
    std::memcpy(bytes + kNumber, &r.number, 4);
    std::memcpy(bytes + kPayee, r.payee.bytes, 31);
    std::memcpy(bytes + kMemo, r.memo.bytes, 31);
}

// Reads them back; a text without its terminator is cut to its capacity.
template <class Record>
void UnpackTransactionFields(const unsigned char* bytes, Record& r) {
    using namespace transaction_layout;
    std::memcpy(&r.kind, bytes + kKind, 4);
    std::memcpy(&r.amount, bytes + kAmount, 8);
    std::memcpy(&r.month, bytes + kMonth, 4);
    std::memcpy(&r.day, bytes + kDay, 4);
    std::memcpy(&r.year, bytes + kYear, 4);
    std::memcpy(&r.category, bytes + kCategory, 4);
    std::memcpy(&r.number, bytes + kNumber, 4);
    std::memcpy(r.payee.bytes, bytes + kPayee, 31);
    std::memcpy(r.memo.bytes, bytes + kMemo, 31);
    r.payee.bytes[30] = '\0';
    r.memo.bytes[30] = '\0';
}
