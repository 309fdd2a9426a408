#include "model/summary_rows.h"

#include <algorithm>
#include <iterator>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/dates.h"
#include "model/lists.h"

namespace {

// A transaction's row; `category` is the Category cell, nullptr for a table
// without that column.
void AppendTransactionRow(std::vector<SummaryRow>& rows, const Account& account, const Transaction& t,
                          const char* category, std::int32_t dateFormat) {
    SummaryRow& row = rows.emplace_back();
    row.reserve(category != nullptr ? std::size(kMonthSummaryColumns) : std::size(kCategorySummaryColumns));
    row.push_back(std::to_string(t.number));
    row.push_back(DateText(t.month, t.day, t.year, dateFormat));
    row.emplace_back(KindWord(account.type, t.kind));
    row.push_back(AmountText(t.amount));
    row.emplace_back(t.payee.view());
    if (category != nullptr) row.emplace_back(category);
    row.emplace_back(t.memo.view());
}

// An empty row, then the two totals lines in the last column.
void AppendTotals(std::vector<SummaryRow>& rows, std::size_t columns, const AccountTypeInfo& type,
                  const InOutSums& sums) {
    rows.emplace_back(columns);
    rows.emplace_back(columns).back() = std::string(type.inTitle) + ":  " + AmountText(sums.in);
    rows.emplace_back(columns).back() = std::string(type.outTitle) + ":  " + AmountText(sums.out);
}

}  // namespace

std::vector<SummaryRow> CategorySummaryRows(const Document& document, const Account& account,
                                            std::vector<std::int32_t> categories, std::int32_t dateFormat) {
    // Each listed category once, in ascending order.
    std::erase_if(categories, [&](std::int32_t k) { return document.FindCategory(k) == nullptr; });
    std::ranges::sort(categories);
    categories.erase(std::unique(categories.begin(), categories.end()), categories.end());

    // One pass over the account: the transactions and sums of every group.
    std::vector<std::int32_t> groupOf(document.categories.size(), -1);
    for (std::size_t g = 0; g < categories.size(); ++g)
        groupOf[static_cast<std::size_t>(categories[g])] = static_cast<std::int32_t>(g);
    std::vector<std::vector<const Transaction*>> members(categories.size());
    std::vector<InOutSums> sums(categories.size());
    std::size_t rowCount = 6 * categories.size();
    for (const Transaction& t : account.transactions) {
        if (PositionInList(t.category, groupOf.size()) < 0) continue;
        const std::int32_t g = groupOf[static_cast<std::size_t>(t.category)];
        if (g < 0) continue;
        members[static_cast<std::size_t>(g)].push_back(&t);
        sums[static_cast<std::size_t>(g)].Add(t);
        ++rowCount;
    }

    constexpr std::size_t kColumns = std::size(kCategorySummaryColumns);
    const AccountTypeInfo& type = TypeInfo(account.type);
    std::vector<SummaryRow> rows;
    rows.reserve(rowCount);
    for (std::size_t g = 0; g < categories.size(); ++g) {
        rows.emplace_back(kColumns);
        rows.emplace_back(kColumns)[3] = document.GetCategory(categories[g]).c_str();
        rows.emplace_back(kColumns);
        for (const Transaction* t : members[g]) AppendTransactionRow(rows, account, *t, nullptr, dateFormat);
        AppendTotals(rows, kColumns, type, sums[g]);
    }
    return rows;
}

std::vector<SummaryRow> MonthSummaryRows(const Document& document, const Account& account, std::int32_t month,
                                         std::int32_t year, std::int32_t dateFormat) {
    constexpr std::size_t kColumns = std::size(kMonthSummaryColumns);
    std::vector<SummaryRow> rows;
    InOutSums sums;
    for (const Transaction& t : account.transactions) {
        if (t.month != month || t.year != year) continue;
        const Text31* category = document.FindCategory(t.category);
        AppendTransactionRow(rows, account, t, category != nullptr ? category->c_str() : "", dateFormat);
        sums.Add(t);
    }
    AppendTotals(rows, kColumns, TypeInfo(account.type), sums);
    return rows;
}
