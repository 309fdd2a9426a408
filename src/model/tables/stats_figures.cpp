#include "model/tables/stats_figures.h"

#include "model/account_types.h"
#include "model/amounts.h"

DueStatus GetDueStatus(const Date& due, const Date& today) {
    if (due < today) return DueStatus::Overdue;
    if (due == today) return DueStatus::Due;
    return DueStatus::Pending;
}

namespace {

// The earliest due date among bills (deposit false) or deposits; among equal
// dates the first in the list. Year, month and day 9999 mean none.
Date EarliestDue(const Document& document, bool deposit) {
    Date earliest{9999, 9999, 9999};
    for (const BillDeposit& b : document.billDeposits) {
        if ((b.kind != BillKind) != deposit) continue;
        const Date due{b.year, b.month, b.day};
        if (due < earliest) earliest = due;
    }
    return earliest;
}

std::string NextDueText(const Document& document, bool deposit, const Date& today, std::int32_t dateFormat) {
    const Date due = EarliestDue(document, deposit);
    if (due == Date{9999, 9999, 9999}) return "NONE";
    std::string text = DateText(due.month, due.day, due.year, dateFormat);
    switch (GetDueStatus(due, today)) {
    case DueStatus::Overdue:
        return text + " (OVERDUE)";
    case DueStatus::Due:
        return text + " (DUE)";
    case DueStatus::Pending:
        return text;
    }
    return text;
}

}  // namespace

StatsFigures ComputeStatsFigures(const Document& document, std::int32_t currentAccount, const Date& today,
                                 std::int32_t dateFormat) {
    StatsFigures figures;
    figures.today = DateText(today.month, today.day, today.year, dateFormat);
    figures.nextBill = NextDueText(document, false, today, dateFormat);
    figures.nextDeposit = NextDueText(document, true, today, dateFormat);
    const Account* account = document.FindAccount(currentAccount);
    if (account == nullptr) {
        figures.labels[0] = "NONE";
        return figures;
    }

    const AccountTypeInfo& type = TypeInfo(account->type);
    const double balance = AccountBalance(*account);
    InOutSums sums;
    std::int64_t clearedCents = 0;
    for (const Transaction& t : account->transactions) {
        sums.Add(t);
        if (t.mark != MarkUncleared) clearedCents += SignedCents(t);
    }
    figures.clearedBalance = CentsText(clearedCents);
    if (type.showsCreditLimit) {
        figures.labels = {type.balanceTitle, "Credit Left", type.inTitle, type.outTitle};
        figures.values = {AmountText(balance), AmountText(account->creditLimit - balance),
                          AmountText(sums.in), AmountText(sums.out)};
        figures.colonShown = {true, true, true, true};
    } else {
        figures.labels = {type.balanceTitle, type.inTitle, type.outTitle, ""};
        figures.values = {AmountText(balance), AmountText(sums.in), AmountText(sums.out), ""};
        figures.colonShown = {true, true, true, false};
    }
    return figures;
}
