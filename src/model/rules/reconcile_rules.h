#pragma once
// The Reconcile dialog's rules: which transactions it lists, the figures
// beside them (in whole cents, so that 0.10 + 0.20 leaves no residue), and
// what Finish, Finish Later and Adjust do to the account. The dialog works
// on ticks of its own; the account changes only when it finishes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/account.h"
#include "model/tables/list_columns.h"
#include "model/tables/transaction_text.h"

// The list's columns: the fields as the transaction list writes them.
inline constexpr ListColumn kReconcileColumns[] = {
    {ColumnDate, "Date", 70}, {ColumnNumber, "#", 40}, {ColumnType, "Type", 70},
    {ColumnAmount, "Amount", 70}, {ColumnPayee, "Payee", 100}, {ColumnMemo, "Memo", 90},
};

struct Reconciliation {
    Date closingDate;
    bool showsLater = false;  // rows dated after the closing date are listed too
    std::int64_t openingCents = 0;  // the reconciled transactions
    // One per transaction of the account: ticked against this statement.
    // Starts as the cleared marks.
    std::vector<bool> ticked;
    // The positions listed, in date order (storage order among equal dates):
    // the transactions not reconciled, dated on or before the closing date
    // unless later ones are shown.
    std::vector<std::int32_t> rows;
    // The ticked amounts among the rows, in cents.
    std::int64_t tickedIn = 0;
    std::int64_t tickedOut = 0;
    // The entry Adjust made, ticked; it joins the account when the dialog finishes.
    std::optional<Transaction> adjustment;
};

// The reconciliation of `account` against a statement closing on `closingDate`.
Reconciliation StartReconciliation(const Account& account, const Date& closingDate);

// Lists the rows again for another closing date or the later rows shown or
// hidden; the ticks stay.
void ListRows(Reconciliation& reconciliation, const Account& account);

// Ticks or unticks the row's transaction; the sums follow at once.
void SetTick(Reconciliation& reconciliation, const Account& account, std::int32_t row, bool ticked);

// Every row ticked, or none.
void SetAllTicks(Reconciliation& reconciliation, const Account& account, bool ticked);

struct ReconcileFigures {
    std::int64_t opening = 0;
    std::int64_t in = 0;    // the ticked amounts that add to the balance, the adjustment's included
    std::int64_t out = 0;   // and those that take from it
    std::int64_t cleared = 0;
    std::optional<std::int64_t> difference;  // closing less cleared; none without a closing balance
};
ReconcileFigures FiguresOf(const Reconciliation& reconciliation, std::optional<std::int64_t> closingCents);

// The figures as the dialog writes them: the ticked amounts' labels in the
// account type's words ("Deposits:", "Charges:"), and every figure to the
// cent; the difference is empty without a closing balance.
struct ReconcileTexts {
    std::string inLabel, outLabel;
    std::string opening, in, out, cleared, difference;
};
ReconcileTexts TextsOf(const ReconcileFigures& figures, std::int32_t accountType);

// The closing balance box read in cents: a sign, digits and commas, and a
// period; std::nullopt for an empty or unreadable text.
std::optional<std::int64_t> ReadClosingBalance(const std::string& text);

// What the closing balance box starts with: the account's last statement
// balance from an import, else nothing.
std::string ClosingBalanceText(const Account& account);

// Adjust: the "ADJUSTMENT" entry, dated at the closing date, that makes the
// difference 0.00; it replaces an earlier one. Nothing when there is no difference.
void Adjust(Reconciliation& reconciliation, std::optional<std::int64_t> closingCents);

// Finish (the difference is 0.00): the ticked rows become reconciled, the
// adjustment is added reconciled; every other transaction keeps its mark.
// Finish Later: the rows take their ticks as marks (cleared or uncleared),
// the adjustment is added cleared. False, with the account unchanged, when
// the adjustment cannot be added.
bool FinishReconciliation(Account& account, const Reconciliation& reconciliation);
bool FinishReconciliationLater(Account& account, const Reconciliation& reconciliation);

// Whether changing a transaction into `changed` asks first: it is
// reconciled, and its amount, kind or date differ (what the reconciliation
// counted). Deleting a reconciled transaction always asks.
bool ChangesReconciled(const Transaction& transaction, const Transaction& changed);
