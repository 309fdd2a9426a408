#include "model/charts/chart_figures.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/account_types.h"

namespace {

// Whether spending makes the balance of an account of `type` larger (what a
// Credit account owes) rather than smaller.
bool SpendingAdds(std::int32_t type) { return AddsToBalance(TypeInfo(type).spendingKind); }

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A stored date inside the calendar; one outside it (31 February, month 13)
// counts on past its month's end, as DayNumber reads it.
Date CalendarDate(const Transaction& t) {
    const Date date{t.year, t.month, t.day};
    if (date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= MonthLength(date.month, date.year))
        return date;
    return DateOfDayNumber(DayNumber(date));
}

// A file may hold any double; one that is no number counts as nothing.
double ChartAmount(double amount) { return std::isfinite(amount) ? amount : 0.0; }

std::int32_t MonthIndex(const Date& date) { return date.year * 12 + (date.month - 1); }

std::string PeriodText(const DateSpan& period, std::int32_t dateFormat) {
    return DateText(period.first.month, period.first.day, period.first.year, dateFormat) + " to " +
           DateText(period.last.month, period.last.day, period.last.year, dateFormat);
}

std::string ChartName(ChartKind kind, const ChartWords& words) {
    switch (kind) {
    case ChartKind::Spending:
        return words.spending + " by category";
    case ChartKind::Income:
        return words.income + " by category";
    case ChartKind::Balance:
        return words.balance + " over time";
    case ChartKind::Months:
        return words.income + " and " + Lowered(words.spending) + " by month";
    }
    return {};
}

void AddCategoryBars(const Document& document, const ChartAccounts& accounts, const DateSpan& period, bool spending,
                     ChartFigures& figures) {
    const std::size_t outside = document.categories.size();
    std::vector<double> totals(outside + 1, 0.0);
    std::vector<bool> used(outside + 1, false);
    for (const std::int32_t position : accounts.accounts) {
        const Account& account = document.GetAccount(position);
        const bool spendingAdds = SpendingAdds(account.type);
        for (const Transaction& t : account.transactions) {
            if ((AddsToBalance(t.kind) == spendingAdds) != spending) continue;
            const Date date = CalendarDate(t);
            if (date < period.first || period.last < date) continue;
            const std::size_t category =
                t.category >= 0 && static_cast<std::size_t>(t.category) < outside ? t.category : outside;
            totals[category] += ChartAmount(t.amount);
            used[category] = true;
        }
    }
    for (std::size_t category = 0; category <= outside; ++category)
        if (used[category])
            figures.bars.push_back({category < outside ? std::string(document.categories[category].view())
                                                       : std::string("(No category)"),
                                    totals[category]});
    std::stable_sort(figures.bars.begin(), figures.bars.end(),
                     [](const CategoryBar& a, const CategoryBar& b) { return a.amount > b.amount; });
}

void AddBalances(const Document& document, const ChartAccounts& accounts, const DateSpan& period, const Date& today,
                 ChartFigures& figures) {
    const std::int64_t firstDay = DayNumber(period.first);
    const std::int64_t days = DayNumber(period.last) - firstDay + 1;
    if (days <= 0) return;
    std::vector<double> changes(static_cast<std::size_t>(days), 0.0);
    double opening = 0.0;
    bool any = false;
    std::int64_t lastChange = -1;
    for (const std::int32_t position : accounts.accounts)
        for (const Transaction& t : document.GetAccount(position).transactions) {
            const Date date = CalendarDate(t);
            if (period.last < date) continue;
            any = true;
            const double amount = ChartAmount(t.amount);
            const double signedAmount = AddsToBalance(t.kind) ? amount : -amount;
            if (date < period.first) {
                opening += signedAmount;
                continue;
            }
            const std::int64_t day = std::clamp<std::int64_t>(DayNumber(date) - firstDay, 0, days - 1);
            changes[static_cast<std::size_t>(day)] += signedAmount;
            lastChange = std::max(lastChange, day);
        }
    if (!any) return;
    const std::int64_t lastShown =
        std::clamp<std::int64_t>(std::max(lastChange, DayNumber(today) - firstDay), 0, days - 1);
    changes.resize(static_cast<std::size_t>(lastShown + 1));
    double balance = opening;
    for (double& change : changes) change = balance += change;
    figures.firstDay = period.first;
    figures.balances = std::move(changes);
}

void AddMonths(const Document& document, const ChartAccounts& accounts, const DateSpan& period,
               ChartFigures& figures) {
    const std::int32_t firstMonth = MonthIndex(period.first);
    const std::int32_t count = MonthIndex(period.last) - firstMonth + 1;
    if (count <= 0) return;
    std::vector<MonthColumn> months(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        months[i].year = (firstMonth + i) / 12;
        months[i].month = (firstMonth + i) % 12 + 1;
    }
    bool any = false;
    for (const std::int32_t position : accounts.accounts) {
        const Account& account = document.GetAccount(position);
        const bool spendingAdds = SpendingAdds(account.type);
        for (const Transaction& t : account.transactions) {
            const Date date = CalendarDate(t);
            if (date < period.first || period.last < date) continue;
            MonthColumn& month = months[static_cast<std::size_t>(MonthIndex(date) - firstMonth)];
            (AddsToBalance(t.kind) == spendingAdds ? month.out : month.in) += ChartAmount(t.amount);
            any = true;
        }
    }
    if (any) figures.months = std::move(months);
}

}  // namespace

DateSpan PeriodDates(ChartPeriod period, const Date& today, const Date& from, const Date& to) {
    const auto monthOf = [](std::int32_t year, std::int32_t month) {
        const std::int32_t index = year * 12 + month - 1;
        const Date first{index / 12, index % 12 + 1, 1};
        return DateSpan{first, {first.year, first.month, MonthLength(first.month, first.year)}};
    };
    switch (period) {
    case ChartPeriod::ThisMonth:
        return monthOf(today.year, today.month);
    case ChartPeriod::LastMonth:
        return monthOf(today.year, today.month - 1);
    case ChartPeriod::ThisYear:
        return {{today.year, 1, 1}, {today.year, 12, 31}};
    case ChartPeriod::LastYear:
        return {{today.year - 1, 1, 1}, {today.year - 1, 12, 31}};
    case ChartPeriod::Last12Months:
        return {monthOf(today.year, today.month - 11).first, today};
    case ChartPeriod::TwoDates:
        return from <= to ? DateSpan{from, to} : DateSpan{to, from};
    }
    return {today, today};
}

std::vector<ChartAccounts> ChartAccountChoices(const Document& document) {
    std::vector<ChartAccounts> choices;
    ChartAccounts credit{"All Credit accounts", {}};
    ChartAccounts others{"All Bank, Budget, Cash and Other accounts", {}};
    for (std::int32_t position = 0; position < document.AccountCount(); ++position) {
        const Account& account = document.GetAccount(position);
        choices.push_back({std::string(account.name.view()), {position}});
        (SpendingAdds(account.type) ? credit : others).accounts.push_back(position);
    }
    for (ChartAccounts* group : {&others, &credit})
        if (group->accounts.size() >= 2) choices.push_back(std::move(*group));
    return choices;
}

ChartWords WordsOfAccounts(const Document& document, const std::vector<std::int32_t>& accounts) {
    const auto wordsOf = [](const AccountTypeInfo& info) {
        return AddsToBalance(info.spendingKind) ? ChartWords{info.inTitle, info.outTitle, info.balanceTitle}
                                                : ChartWords{info.outTitle, info.inTitle, info.balanceTitle};
    };
    if (accounts.empty()) return {"Spending", "Income", "Balance"};
    const ChartWords first = wordsOf(TypeInfo(document.GetAccount(accounts.front()).type));
    for (const std::int32_t position : accounts) {
        const ChartWords words = wordsOf(TypeInfo(document.GetAccount(position).type));
        if (words.spending != first.spending || words.income != first.income || words.balance != first.balance)
            return {"Spending", "Income", "Balance"};
    }
    return first;
}

ChartFigures ComputeChartFigures(const Document& document, ChartKind kind, const ChartAccounts& accounts,
                                 const DateSpan& period, const Date& today, std::int32_t dateFormat) {
    ChartFigures figures;
    figures.kind = kind;
    figures.words = WordsOfAccounts(document, accounts.accounts);
    figures.title = ChartName(kind, figures.words) + ": " + accounts.name + ", " + PeriodText(period, dateFormat);
    switch (kind) {
    case ChartKind::Spending:
    case ChartKind::Income: {
        const bool spending = kind == ChartKind::Spending;
        AddCategoryBars(document, accounts, period, spending, figures);
        if (figures.bars.empty())
            figures.emptyText = "No " + Lowered(spending ? figures.words.spending : figures.words.income) +
                                " in this period.";
        break;
    }
    case ChartKind::Balance:
        AddBalances(document, accounts, period, today, figures);
        if (figures.balances.empty()) figures.emptyText = "No transactions up to the end of this period.";
        break;
    case ChartKind::Months:
        AddMonths(document, accounts, period, figures);
        if (figures.months.empty()) figures.emptyText = "No transactions in this period.";
        break;
    }
    return figures;
}
