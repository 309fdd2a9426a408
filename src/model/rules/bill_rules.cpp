#include "model/rules/bill_rules.h"

#include <algorithm>
#include <optional>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/lists.h"
#include "model/tables/stats_figures.h"
#include "model/rules/transaction_editor_rules.h"
#include "resources/resource.h"

namespace {

RuleOutcome AmountRefused() { return Refused(kInvalidAmount, IDC_BILL_AMOUNT); }

// The account list's entry for an account reference: itself inside the list, else -1.
std::int32_t AccountChoice(const Document& document, std::int32_t account) {
    return PositionInList(account, document.AccountCount());
}

// The item the editor's fields give, or the outcome that refuses them.
std::optional<BillDeposit> BillDepositOf(const Document& document, const BillFields& fields, RuleOutcome& refusal) {
    const std::optional<double> amount = ReadAmountField(fields.amount);
    if (!amount) {
        refusal = AmountRefused();
        return std::nullopt;
    }
    if (document.FindAccount(fields.account) == nullptr) {
        refusal = Failed(kNoAccountSelected);
        return std::nullopt;
    }
    BillDeposit bill;
    bill.kind = fields.kind == BillKind ? BillKind : DepositKind;
    bill.amount = *amount;
    bill.month = fields.dueDate.month;
    bill.day = fields.dueDate.day;
    bill.year = fields.dueDate.year;
    bill.category = fields.category;
    bill.number = 0;
    bill.payee.Set(fields.payee);  // bounded copies: the first 30 characters
    bill.memo.Set(fields.memo);
    bill.occurrence = fields.occurrence;
    bill.account = fields.account;
    return bill;
}

// Stored dates come from files and may hold any number: the steps are
// computed in 64 bits and stored back with the usual two's complement wrap.
std::int32_t Stored(std::int64_t value) { return static_cast<std::int32_t>(value); }

}  // namespace

bool CanScheduleBillDeposits(const Document& document) { return document.AccountCount() > 0; }

std::string BillCellText(const BillDeposit& bill, int column, const Date& today, std::int32_t dateFormat) {
    switch (column) {
    case BillColumnDueDate:
        return DateText(bill.month, bill.day, bill.year, dateFormat);
    case BillColumnType:
        return bill.kind == BillKind ? "Bill" : "Deposit";
    case BillColumnAmount:
        return AmountText(bill.amount);
    case BillColumnPayee:
        return std::string(bill.payee.view());
    case BillColumnStatus:
        switch (GetDueStatus(Date{bill.year, bill.month, bill.day}, today)) {
        case DueStatus::Overdue:
            return "Overdue";
        case DueStatus::Due:
            return "Due";
        case DueStatus::Pending:
            return "Pending";
        }
        break;
    }
    return std::string();
}

BillFields NewBillFields(const Document& document, std::int32_t currentAccountIndex, const Date& today) {
    BillFields fields;
    fields.kind = BillKind;
    fields.occurrence = OccurrenceOnce;
    fields.dueDate = today;
    fields.category = CategoryChoice(document, 0);
    if (document.FindAccount(currentAccountIndex) != nullptr)
        fields.account = currentAccountIndex;
    else
        fields.account = document.AccountCount() > 0 ? 0 : -1;
    return fields;
}

BillFields EditBillFields(const Document& document, const BillDeposit& bill) {
    BillFields fields;
    fields.amount = AmountText(bill.amount);
    fields.kind = bill.kind == BillKind ? BillKind : DepositKind;
    fields.occurrence =
        bill.occurrence >= OccurrenceOnce && bill.occurrence <= OccurrenceEveryOtherWeek ? bill.occurrence
                                                                                         : OccurrenceMonthly;
    fields.dueDate = ClampDayToMonth(Date{bill.year, bill.month, bill.day});
    fields.category = CategoryChoice(document, bill.category);
    fields.account = AccountChoice(document, bill.account);
    fields.payee = bill.payee.view();
    fields.memo = bill.memo.view();
    return fields;
}

std::int32_t CheckedOccurrence(int checkedButton) {
    return checkedButton >= OccurrenceOnce && checkedButton <= OccurrenceMonthly ? checkedButton : OccurrenceMonthly;
}

RuleOutcome AddBillDepositFromFields(Document& document, const BillFields& fields) {
    RuleOutcome refusal;
    const std::optional<BillDeposit> bill = BillDepositOf(document, fields, refusal);
    if (!bill) return refusal;
    if (!document.AddBillDeposit(*bill)) return Failed(kErrorAddingBillDeposit);
    return Accepted();
}

RuleOutcome ReplaceBillDepositFromFields(Document& document, std::int32_t index, const BillFields& fields) {
    RuleOutcome refusal;
    const std::optional<BillDeposit> bill = BillDepositOf(document, fields, refusal);
    if (!bill) return refusal;
    document.GetBillDeposit(index) = *bill;
    return Accepted();
}

std::int32_t ProcessedKind(std::int32_t accountType, std::int32_t billKind) {
    const std::int32_t spending = TypeInfo(accountType).spendingKind;
    if (billKind == BillKind) return spending;
    return AddsToBalance(spending) ? KindOut : KindIn;
}

ProcessFields ProcessBillFields(const Document& document, const BillDeposit& bill) {
    ProcessFields fields;
    fields.amount = AmountText(bill.amount);
    fields.date = ClampDayToMonth(Date{bill.year, bill.month, bill.day});
    fields.category = CategoryChoice(document, bill.category);
    const Account* own = document.FindAccount(bill.account);
    fields.number = NumberTextOf(static_cast<std::int32_t>(own != nullptr ? NextTransactionNumber(*own) : 1u));
    fields.payee = bill.payee.view();
    fields.memo = bill.memo.view();
    fields.account = AccountChoice(document, bill.account);
    return fields;
}

RuleOutcome ProcessBillDeposit(Document& document, const BillDeposit& bill, const ProcessFields& fields) {
    std::optional<Transaction> transaction = TransactionOf(fields);
    if (!transaction) return AmountRefused();
    Account* account = document.FindAccount(fields.account);
    if (account == nullptr) return Failed(kNoAccountSelected);
    transaction->kind = ProcessedKind(account->type, bill.kind);
    if (!account->AddTransaction(*transaction)) return Failed(kErrorAddingTransaction);
    return Accepted();
}

void AdvanceDueDate(BillDeposit& bill) {
    std::int64_t day = bill.day, month = bill.month, year = bill.year;
    const auto nextMonth = [&] {
        if (++month > 12) {
            month = 1;
            ++year;
        }
    };
    switch (bill.occurrence) {
    case OccurrenceOnce:
        return;
    case OccurrenceDaily:
    case OccurrenceWeekly:
    case OccurrenceEveryOtherWeek: {
        day += bill.occurrence == OccurrenceDaily ? 1 : bill.occurrence == OccurrenceWeekly ? 7 : 14;
        const std::int32_t length = MonthLength(bill.month, bill.year);
        if (day > length) {
            day -= length;
            nextMonth();
        }
        break;
    }
    default:  // Monthly, and any value a file may carry
        nextMonth();
        day = std::min<std::int64_t>(day, MonthLength(Stored(month), Stored(year)));
        break;
    }
    bill.day = Stored(day);
    bill.month = Stored(month);
    bill.year = Stored(year);
}

bool FinishProcessing(Document& document, std::int32_t index) {
    if (document.GetBillDeposit(index).occurrence == OccurrenceOnce) {
        document.RemoveBillDeposit(index);
        return true;
    }
    AdvanceDueDate(document.GetBillDeposit(index));
    return false;
}
