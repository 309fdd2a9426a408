#include "model/tables/transaction_rows.h"

#include <algorithm>
#include <utility>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/dates.h"
#include "model/lists.h"
#include "model/program_values.h"

namespace {

// Up to `count` characters of `text` from `first` (0-based), stopping at its end.
void AppendPart(std::string& key, const std::string& text, std::size_t first, std::size_t count) {
    if (first < text.size()) key.append(text, first, count);
}

// The key of a date with the usual digits without formatting it: what
// DateSortKey gives for its text. False for any other date.
bool FastDateKey(const Transaction& t, std::uint64_t& key) {
    if (!HasUsualDigits(t.month, t.day, t.year)) return false;
    const DateDigits d = UsualDigits(t.month, t.day, t.year);
    const char text[8] = {d.year[0], d.year[1], d.year[2], d.year[3], d.month[0], d.month[1], d.day[0], d.day[1]};
    key = 0;
    for (char c : text) key = key << 8 | static_cast<unsigned char>(c);
    return true;
}

}  // namespace

std::uint64_t DateSortKey(const std::string& dateText, std::int32_t dateFormat) {
    // Characters 7 to 10 are the year; the month and day are 1-2 and 4-5, in
    // the order of the date format.
    std::string key;
    AppendPart(key, dateText, 6, 4);
    const std::size_t monthAt = IsAmericanDateFormat(dateFormat) ? 0 : 3;
    const std::size_t dayAt = IsAmericanDateFormat(dateFormat) ? 3 : 0;
    // A text that ends early ends its key there, as a zero-terminated key would.
    if (key.size() == 4) {
        AppendPart(key, dateText, monthAt, 2);
        AppendPart(key, dateText, dayAt, 2);
    }
    std::uint64_t packed = 0;
    for (std::size_t i = 0; i < 8; ++i)
        packed = packed << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return packed;
}

std::int32_t NextSortDate(std::int32_t sortDate) {
    switch (sortDate) {
    case kSortAscending:
        return kSortDescending;
    case kSortDescending:
        return kSortUnsorted;
    default:
        return kSortAscending;
    }
}

namespace {

// The running total before every kTotalStride-th transaction.
void FillCheckpoints(const Account& account, std::vector<double>& checkpoints) {
    const std::size_t count = account.transactions.size();
    checkpoints.resize(count / kTotalStride + 1);
    double total = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % kTotalStride == 0) checkpoints[i / kTotalStride] = total;
        total += SignedAmount(account.transactions[i]);
    }
}

// Ascending date order by sorting (key, storage index) pairs: equal dates keep
// storage order. Dates of other digit counts are keyed from their text.
void SortByTextKey(const Account& account, std::int32_t dateFormat, std::vector<std::int32_t>& order) {
    struct Keyed {
        std::uint64_t key;
        std::int32_t index;
    };
    const std::size_t count = account.transactions.size();
    std::vector<Keyed> keyed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Transaction& t = account.transactions[i];
        keyed[i].index = static_cast<std::int32_t>(i);
        if (!FastDateKey(t, keyed[i].key))
            keyed[i].key = DateSortKey(DateText(t.month, t.day, t.year, dateFormat), dateFormat);
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : a.index < b.index;
    });
    for (std::size_t i = 0; i < count; ++i) order[i] = keyed[i].index;
}

// Ascending date order when every date has the usual digits, which then order
// as the number yyyymmdd (27 bits): a stable radix sort of the storage
// indices, by the low 14 bits of the number, then by the high 13. False, with
// nothing done, when some date has other digits.
bool SortByDateNumber(const Account& account, std::vector<std::uint32_t>& scratch,
                      std::vector<std::int32_t>& order) {
    constexpr int kLowBits = 14;
    constexpr std::uint32_t kLowMask = (1u << kLowBits) - 1;
    const std::size_t count = account.transactions.size();
    scratch.resize(2 * count);
    std::uint32_t* numbers = scratch.data();
    std::uint32_t* byLow = scratch.data() + count;
    std::vector<std::size_t> lowStarts(std::size_t{1} << kLowBits), highStarts(std::size_t{1} << (27 - kLowBits));
    for (std::size_t i = 0; i < count; ++i) {
        const Transaction& t = account.transactions[i];
        if (!HasUsualDigits(t.month, t.day, t.year)) return false;
        numbers[i] = static_cast<std::uint32_t>((t.year * 100 + t.month) * 100 + t.day);
        ++lowStarts[numbers[i] & kLowMask];
        ++highStarts[numbers[i] >> kLowBits];
    }
    for (std::vector<std::size_t>* starts : {&lowStarts, &highStarts}) {
        std::size_t next = 0;
        for (std::size_t& start : *starts) next += std::exchange(start, next);
    }
    for (std::size_t i = 0; i < count; ++i) byLow[lowStarts[numbers[i] & kLowMask]++] = static_cast<std::uint32_t>(i);
    for (std::size_t j = 0; j < count; ++j) {
        const std::uint32_t i = byLow[j];
        order[highStarts[numbers[i] >> kLowBits]++] = static_cast<std::int32_t>(i);
    }
    return true;
}

}  // namespace

void BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat,
                          TransactionRows& rows) {
    rows.count = account.TransactionCount();
    FillCheckpoints(account, rows.checkpoints);
    if (sortDate != kSortAscending && sortDate != kSortDescending) {
        rows.order.clear();
        return;
    }
    rows.order.resize(account.transactions.size());
    if (!SortByDateNumber(account, rows.scratch, rows.order)) SortByTextKey(account, dateFormat, rows.order);
    // The reverse of ascending order puts the later-stored of two equal dates first.
    if (sortDate == kSortDescending) std::reverse(rows.order.begin(), rows.order.end());
}

TransactionRows BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat) {
    TransactionRows rows;
    BuildTransactionRows(account, sortDate, dateFormat, rows);
    return rows;
}

double RunningTotal(const Account& account, const TransactionRows& rows, std::int32_t storageIndex) {
    const auto index = static_cast<std::size_t>(storageIndex);
    // Rows built for another state of the account show no total rather than read outside it.
    if (PositionInList(storageIndex, account.TransactionCount()) < 0 || index / kTotalStride >= rows.checkpoints.size())
        return 0.0;
    const std::size_t first = index / kTotalStride * kTotalStride;
    double total = rows.checkpoints[index / kTotalStride];
    for (std::size_t i = first; i <= index; ++i) total += SignedAmount(account.transactions[i]);
    return total;
}

std::string TransactionCellText(const Document& document, const Account& account, const TransactionRows& rows,
                                std::int32_t storageIndex, int column, std::int32_t dateFormat) {
    if (column == ColumnTotal) return AmountText(RunningTotal(account, rows, storageIndex));
    return TransactionFieldText(document, account, account.GetTransaction(storageIndex), column, dateFormat);
}
