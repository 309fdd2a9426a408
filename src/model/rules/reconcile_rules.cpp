#include "model/rules/reconcile_rules.h"

#include <algorithm>
#include <tuple>

#include "model/account_types.h"
#include "model/rules/adjust_rules.h"
#include "model/amounts.h"

namespace {

Date DateOf(const Transaction& t) { return {t.year, t.month, t.day}; }

void AddToSums(Reconciliation& reconciliation, const Transaction& t, int sign) {
    (AddsToBalance(t.kind) ? reconciliation.tickedIn : reconciliation.tickedOut) += sign * AmountCents(t.amount);
}

// The sums of the ticked rows, from nothing.
void SumTicks(Reconciliation& reconciliation, const Account& account) {
    reconciliation.tickedIn = reconciliation.tickedOut = 0;
    for (std::int32_t position : reconciliation.rows)
        if (reconciliation.ticked[static_cast<std::size_t>(position)])
            AddToSums(reconciliation, account.GetTransaction(position), 1);
}

}  // namespace

namespace {

// Whether a transaction is listed.
bool Listed(const Reconciliation& reconciliation, const Transaction& t) {
    return t.mark != MarkReconciled && (reconciliation.showsLater || !(reconciliation.closingDate < DateOf(t)));
}

// Sorted by date, then position: the order a stable sort by date gives.
using DatedRow = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

void TakeRows(Reconciliation& reconciliation, const Account& account, std::vector<DatedRow>& dated) {
    std::sort(dated.begin(), dated.end());
    reconciliation.rows.resize(dated.size());
    for (std::size_t row = 0; row < dated.size(); ++row) reconciliation.rows[row] = std::get<3>(dated[row]);
    SumTicks(reconciliation, account);
}

}  // namespace

// One pass over the account finds the opening balance, the ticks and the rows.
Reconciliation StartReconciliation(const Account& account, const Date& closingDate) {
    Reconciliation reconciliation;
    reconciliation.closingDate = closingDate;
    reconciliation.ticked.resize(account.transactions.size());
    std::vector<DatedRow> dated;
    for (std::int32_t position = 0; position < account.TransactionCount(); ++position) {
        const Transaction& t = account.transactions[static_cast<std::size_t>(position)];
        if (t.mark == MarkReconciled) reconciliation.openingCents += SignedCents(t);
        reconciliation.ticked[static_cast<std::size_t>(position)] = t.mark == MarkCleared;
        if (Listed(reconciliation, t)) dated.emplace_back(t.year, t.month, t.day, position);
    }
    TakeRows(reconciliation, account, dated);
    return reconciliation;
}

void ListRows(Reconciliation& reconciliation, const Account& account) {
    std::vector<DatedRow> dated;
    for (std::int32_t position = 0; position < account.TransactionCount(); ++position) {
        const Transaction& t = account.transactions[static_cast<std::size_t>(position)];
        if (Listed(reconciliation, t)) dated.emplace_back(t.year, t.month, t.day, position);
    }
    TakeRows(reconciliation, account, dated);
}

void SetTick(Reconciliation& reconciliation, const Account& account, std::int32_t row, bool ticked) {
    const std::int32_t position = reconciliation.rows.at(static_cast<std::size_t>(row));
    if (reconciliation.ticked[static_cast<std::size_t>(position)] == ticked) return;
    reconciliation.ticked[static_cast<std::size_t>(position)] = ticked;
    AddToSums(reconciliation, account.GetTransaction(position), ticked ? 1 : -1);
}

void SetAllTicks(Reconciliation& reconciliation, const Account& account, bool ticked) {
    for (std::int32_t position : reconciliation.rows) reconciliation.ticked[static_cast<std::size_t>(position)] = ticked;
    SumTicks(reconciliation, account);
}

ReconcileFigures FiguresOf(const Reconciliation& reconciliation, std::optional<std::int64_t> closingCents) {
    ReconcileFigures figures;
    figures.opening = reconciliation.openingCents;
    figures.in = reconciliation.tickedIn;
    figures.out = reconciliation.tickedOut;
    if (const auto& entry = reconciliation.adjustment) (AddsToBalance(entry->kind) ? figures.in : figures.out) += AmountCents(entry->amount);
    figures.cleared = figures.opening + figures.in - figures.out;
    if (closingCents) figures.difference = *closingCents - figures.cleared;
    return figures;
}

ReconcileTexts TextsOf(const ReconcileFigures& figures, std::int32_t accountType) {
    const AccountTypeInfo& type = TypeInfo(accountType);
    return {std::string(type.inTitle) + ":",
            std::string(type.outTitle) + ":",
            CentsText(figures.opening),
            CentsText(figures.in),
            CentsText(figures.out),
            CentsText(figures.cleared),
            figures.difference ? CentsText(*figures.difference) : std::string()};
}

std::optional<std::int64_t> ReadClosingBalance(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    const std::optional<double> amount = ReadSignedAmountField(text);
    if (!amount) return std::nullopt;
    return AmountCents(*amount);
}

std::string ClosingBalanceText(const Account& account) {
    if (!account.lastStatement) return std::string();
    return CentsText(account.lastStatement->cents);
}

void Adjust(Reconciliation& reconciliation, std::optional<std::int64_t> closingCents) {
    reconciliation.adjustment.reset();
    const std::optional<std::int64_t> difference = FiguresOf(reconciliation, closingCents).difference;
    if (!difference || *difference == 0) return;
    reconciliation.adjustment =
        EntryForDifference(static_cast<double>(*difference) / 100.0, reconciliation.closingDate, kAdjustmentMemo);
}

namespace {

// The adjustment joins the account with `mark`; false when it cannot.
bool AddAdjustment(Account& account, const Reconciliation& reconciliation, std::uint8_t mark) {
    if (!reconciliation.adjustment) return true;
    Transaction entry = *reconciliation.adjustment;
    entry.mark = mark;
    return account.AddTransaction(entry);
}

bool IsTicked(const Reconciliation& reconciliation, std::int32_t position) {
    return reconciliation.ticked[static_cast<std::size_t>(position)];
}

}  // namespace

bool FinishReconciliation(Account& account, const Reconciliation& reconciliation) {
    if (!AddAdjustment(account, reconciliation, MarkReconciled)) return false;
    for (std::int32_t position : reconciliation.rows)
        if (IsTicked(reconciliation, position)) account.GetTransaction(position).mark = MarkReconciled;
    return true;
}

bool FinishReconciliationLater(Account& account, const Reconciliation& reconciliation) {
    if (!AddAdjustment(account, reconciliation, MarkCleared)) return false;
    for (std::int32_t position : reconciliation.rows)
        account.GetTransaction(position).mark = IsTicked(reconciliation, position) ? MarkCleared : MarkUncleared;
    return true;
}

bool ChangesReconciled(const Transaction& transaction, const Transaction& changed) {
    return transaction.mark == MarkReconciled &&
           (AmountCents(transaction.amount) != AmountCents(changed.amount) ||
            AddsToBalance(transaction.kind) != AddsToBalance(changed.kind) || DateOf(transaction) != DateOf(changed));
}
