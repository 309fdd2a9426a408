#include "model/summary_rows.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/dates.h"
#include "model/lists.h"

namespace {

// A transaction's row in a table of `columns`.
void AppendTransactionRow(std::vector<SummaryRow>& rows, std::span<const ListColumn> columns,
                          const Document& document, const Account& account, const Transaction& t,
                          std::int32_t dateFormat) {
    SummaryRow& row = rows.emplace_back();
    row.reserve(columns.size());
    for (const ListColumn& column : columns)
        row.push_back(TransactionFieldText(document, account, t, column.field, dateFormat));
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
        for (const Transaction* t : members[g])
            AppendTransactionRow(rows, kCategorySummaryColumns, document, account, *t, dateFormat);
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
        AppendTransactionRow(rows, kMonthSummaryColumns, document, account, t, dateFormat);
        sums.Add(t);
    }
    AppendTotals(rows, kColumns, TypeInfo(account.type), sums);
    return rows;
}
