#include "model/tables/summary_rows.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/dates.h"
#include "model/lists.h"

SummaryLines CategorySummaryRows(const Document& document, const Account& account, std::vector<std::int32_t> categories) {
    // Each listed category once, in ascending order.
    std::erase_if(categories, [&](std::int32_t k) { return document.FindCategory(k) == nullptr; });
    std::ranges::sort(categories);
    categories.erase(std::unique(categories.begin(), categories.end()), categories.end());

    // One pass over the account: the transactions and sums of every group.
    std::vector<std::int32_t> groupOf(document.categories.size(), -1);
    for (std::size_t g = 0; g < categories.size(); ++g)
        groupOf[static_cast<std::size_t>(categories[g])] = static_cast<std::int32_t>(g);
    std::vector<std::vector<std::int32_t>> members(categories.size());
    SummaryLines summary{kCategorySummaryColumns, {}, std::vector<InOutSums>(categories.size())};
    std::size_t lineCount = 6 * categories.size();
    for (std::int32_t position = 0; position < account.TransactionCount(); ++position) {
        const Transaction& t = account.GetTransaction(position);
        if (PositionInList(t.category, groupOf.size()) < 0) continue;
        const std::int32_t g = groupOf[static_cast<std::size_t>(t.category)];
        if (g < 0) continue;
        members[static_cast<std::size_t>(g)].push_back(position);
        summary.totals[static_cast<std::size_t>(g)].Add(t);
        ++lineCount;
    }

    std::vector<SummaryLine>& lines = summary.lines;
    lines.reserve(lineCount);
    for (std::size_t g = 0; g < categories.size(); ++g) {
        const auto group = static_cast<std::int32_t>(g);
        lines.push_back({SummaryLine::Blank});
        lines.push_back({SummaryLine::CategoryName, categories[g]});
        lines.push_back({SummaryLine::Blank});
        for (std::int32_t position : members[g]) lines.push_back({SummaryLine::TransactionRow, position});
        lines.insert(lines.end(), {{SummaryLine::Blank}, {SummaryLine::InTotal, group}, {SummaryLine::OutTotal, group}});
    }
    return summary;
}

SummaryLines MonthSummaryRows(const Account& account, std::int32_t month, std::int32_t year) {
    SummaryLines summary{kMonthSummaryColumns, {}, std::vector<InOutSums>(1)};
    for (std::int32_t position = 0; position < account.TransactionCount(); ++position) {
        const Transaction& t = account.GetTransaction(position);
        if (t.month != month || t.year != year) continue;
        summary.lines.push_back({SummaryLine::TransactionRow, position});
        summary.totals[0].Add(t);
    }
    summary.lines.insert(summary.lines.end(), {{SummaryLine::Blank}, {SummaryLine::InTotal, 0}, {SummaryLine::OutTotal, 0}});
    return summary;
}

std::string SummaryCellText(const Document& document, const Account& account, const SummaryLines& summary,
                            std::size_t row, std::size_t column, std::int32_t dateFormat) {
    if (row >= summary.lines.size() || column >= summary.columns.size()) return std::string();
    const SummaryLine& line = summary.lines[row];
    const bool last = column + 1 == summary.columns.size();
    switch (line.kind) {
    case SummaryLine::Blank:
        return std::string();
    case SummaryLine::CategoryName: {
        const Text31* name = document.FindCategory(line.value);
        return summary.columns[column].field == ColumnAmount && name != nullptr ? std::string(name->view()) : std::string();
    }
    case SummaryLine::TransactionRow:
        return TransactionFieldText(document, account, account.GetTransaction(line.value), summary.columns[column].field,
                                    dateFormat);
    case SummaryLine::InTotal:
    case SummaryLine::OutTotal: {
        if (!last) return std::string();
        const AccountTypeInfo& type = TypeInfo(account.type);
        const InOutSums& sums = summary.totals.at(static_cast<std::size_t>(line.value));
        return line.kind == SummaryLine::InTotal ? std::string(type.inTitle) + ":  " + AmountText(sums.in)
                                                 : std::string(type.outTitle) + ":  " + AmountText(sums.out);
    }
    }
    return std::string();
}
