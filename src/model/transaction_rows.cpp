#include "model/transaction_rows.h"

#include <algorithm>
#include <numeric>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/dates.h"
#include "model/program_values.h"

namespace {

// Up to `count` characters of `text` from `first` (0-based), stopping at its end.
void AppendPart(std::string& key, const std::string& text, std::size_t first, std::size_t count) {
    if (first < text.size()) key.append(text, first, count);
}

// The key of an ordinary date without formatting it: what DateSortKey gives
// for the text of a date whose fields have their usual number of digits.
bool FastDateKey(const Transaction& t, std::uint64_t& key) {
    if (t.year < 1000 || t.year > 9999 || t.month < 0 || t.month > 99 || t.day < 0 || t.day > 99) return false;
    const char digits[8] = {
        char('0' + t.year / 1000),      char('0' + t.year / 100 % 10), char('0' + t.year / 10 % 10),
        char('0' + t.year % 10),        char('0' + t.month / 10),      char('0' + t.month % 10),
        char('0' + t.day / 10),         char('0' + t.day % 10)};
    key = 0;
    for (char c : digits) key = key << 8 | static_cast<unsigned char>(c);
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

TransactionRows BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat) {
    TransactionRows rows;
    const std::size_t count = account.transactions.size();
    rows.totals.resize(count);
    double total = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        total += SignedAmount(account.transactions[i]);
        rows.totals[i] = total;
    }
    rows.order.resize(count);
    std::iota(rows.order.begin(), rows.order.end(), 0);
    if (sortDate != kSortAscending && sortDate != kSortDescending) return rows;

    // Sorting (key, storage index) pairs gives ascending order with equal dates
    // in storage order; its reverse is the descending order, where the
    // later-stored of two equal dates comes first.
    struct Keyed {
        std::uint64_t key;
        std::int32_t index;
    };
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
    if (sortDate == kSortDescending) std::reverse(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < count; ++i) rows.order[i] = keyed[i].index;
    return rows;
}

std::string TransactionCellText(const Document& document, const Account& account, const TransactionRows& rows,
                                std::int32_t storageIndex, int column, std::int32_t dateFormat) {
    const Transaction& t = account.GetTransaction(storageIndex);
    switch (column) {
    case ColumnNumber:
        return std::to_string(t.number);
    case ColumnDate:
        return DateText(t.month, t.day, t.year, dateFormat);
    case ColumnType:
        return KindWord(account.type, t.kind);
    case ColumnAmount:
        return AmountText(t.amount);
    case ColumnPayee:
        return t.payee.c_str();
    case ColumnCategory: {
        const Text31* category = document.FindCategory(t.category);
        return category != nullptr ? category->c_str() : "";
    }
    case ColumnMemo:
        return t.memo.c_str();
    case ColumnTotal:
        return AmountText(rows.totals[static_cast<std::size_t>(storageIndex)]);
    default:
        return "";
    }
}
