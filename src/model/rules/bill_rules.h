#pragma once
// What the Bills & Deposits dialog shows, what its New and Edit editors
// check and store, and what processing an item does: the transaction it
// gives, and the step of its due date or its removal.

#include <cstdint>
#include <string>

#include "model/dates.h"
#include "model/document.h"
#include "model/tables/list_columns.h"
#include "model/rule_outcome.h"
#include "model/rules/transaction_editor_rules.h"

// Bills & Deposits opens only when the file has an account to schedule for;
// otherwise it says "You must create an account before you can create a bill/deposit.".
bool CanScheduleBillDeposits(const Document& document);

// The list's columns.
enum BillColumn : int {
    BillColumnDueDate = 0,
    BillColumnType,
    BillColumnAmount,
    BillColumnPayee,
    BillColumnStatus,
};
inline constexpr ListColumn kBillListColumns[] = {
    {BillColumnDueDate, "Due Date", 75}, {BillColumnType, "Type", 75},     {BillColumnAmount, "Amount", 75},
    {BillColumnPayee, "Payee", 100},     {BillColumnStatus, "Status", 75},
};

// The text of one cell of an item's row: its due date in the date order,
// "Bill" (kind 0) or "Deposit" (any other kind), the amount, the payee, and
// "Overdue", "Due" or "Pending" against `today`.
std::string BillCellText(const BillDeposit& bill, int column, const Date& today, std::int32_t dateFormat);

// The fields of the New and Edit Bill/Deposit dialogs: what they open with,
// or what was read from them.
struct BillFields {
    std::string amount;
    std::int32_t kind = BillKind;              // the radio checked: Bill 0, Deposit 1
    std::int32_t occurrence = OccurrenceOnce;  // the radio checked, 0 to 4
    Date dueDate;                              // the picker's date
    std::int32_t category = -1;                // the entry of the category list, -1 for none
    std::int32_t account = -1;                 // the entry of the account list, -1 for none
    std::string payee;
    std::string memo;
};

// The occurrence of the editors' buttons (Once to Monthly): the one at
// `checkedButton`, Monthly when none is checked (-1).
std::int32_t CheckedOccurrence(int checkedButton);

// Process, Edit and Delete work on an item, so they are enabled only while
// there is one; otherwise the focus goes to "New...".
inline bool BillButtonsEnabled(const Document& document) { return document.BillDepositCount() > 0; }

// New opens with Bill and Once checked, `today`, the first category and the
// current account (the first when none is current); amount, payee and memo empty.
BillFields NewBillFields(const Document& document, std::int32_t currentAccountIndex, const Date& today);

// Edit opens with the item's values: Deposit for any nonzero kind, Monthly
// for an occurrence outside 0 to 3; a category or account outside its list
// selects nothing (-1); a due date past its month's end shows that month's
// last day (ClampDayToMonth).
BillFields EditBillFields(const Document& document, const BillDeposit& bill);

// An OK in New Bill/Deposit: the amount is read as every amount box is (a
// refusal sends the focus back to it); an editor without an account chosen
// says "No account is selected."; then the item is appended with number 0
// and its texts cut to 30 characters ("Error adding bill/deposit." when it
// cannot be, the dialog staying open).
RuleOutcome AddBillDepositFromFields(Document& document, const BillFields& fields);

// An OK in Edit Bill/Deposit for the item at `index` (which must exist): the
// same checks, then every field is written over the item in place.
RuleOutcome ReplaceBillDepositFromFields(Document& document, std::int32_t index, const BillFields& fields);

// The kind of the transaction that an item of kind `billKind` gives in an
// account of `accountType`: a bill gives the type's spending kind (a charge
// in a Credit account, a withdrawal or spending in every other); a deposit
// the other kind.
std::int32_t ProcessedKind(std::int32_t accountType, std::int32_t billKind);

// The fields of the Process Bill/Deposit dialog: the transaction to make (its
// kind is not asked: it follows the account chosen) and the account.
struct ProcessFields : TransactionFields {
    std::int32_t account = -1;  // the entry of the account list, -1 for none
};

// Process opens with the item's amount, due date (its day kept inside its
// month, as Edit shows it), category, payee, memo and account (-1 for a
// reference outside its list), and the number after the last transaction of
// the item's own account (1 when it has none or is missing).
ProcessFields ProcessBillFields(const Document& document, const BillDeposit& bill);

// An OK in Process Bill/Deposit for `bill`: the amount is read as every
// amount box is (a refusal sends the focus back to it); without an account
// chosen it says "No account is selected."; then a transaction with the
// fields and ProcessedKind of the chosen account's type is appended to that
// account ("Error adding transaction." when it cannot be, the dialog staying
// open). The item itself is not changed.
RuleOutcome ProcessBillDeposit(Document& document, const BillDeposit& bill, const ProcessFields& fields);

// Moves the item's due date one step from the stored date: Daily 1 day,
// Weekly 7, Every other week 14, a day past the month's end going on into
// the next month and year; Monthly (and any value but these and Once) the
// next month with the day kept, or that month's last day when it is shorter.
void AdvanceDueDate(BillDeposit& bill);

// What follows an accepted processing of the item at `index` (which must
// exist): a Once item is removed (true), any other has its date advanced.
bool FinishProcessing(Document& document, std::int32_t index);
