#include "model/rules/transaction_editor_rules.h"

#include <limits>
#include <optional>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/lists.h"
#include "model/rules/reconcile_rules.h"
#include "resources/resource.h"

namespace {

RuleOutcome AmountRefused() { return Refused(kInvalidAmount, IDC_TRANSACTION_AMOUNT); }

}  // namespace

std::optional<Transaction> TransactionOf(const TransactionFields& fields) {
    const std::optional<double> amount = ReadAmountField(fields.amount);
    if (!amount) return std::nullopt;
    Transaction transaction;
    transaction.kind = fields.kind;
    transaction.amount = *amount;
    transaction.month = fields.date.month;
    transaction.day = fields.date.day;
    transaction.year = fields.date.year;
    transaction.category = fields.category;
    transaction.number = ReadNumberField(fields.number);
    transaction.payee.Set(fields.payee);  // bounded copies: the first 30 characters
    transaction.memo.Set(fields.memo);
    return transaction;
}

std::int32_t PresetKind(std::int32_t accountType) { return TypeInfo(accountType).spendingKind; }

std::int32_t CategoryChoice(const Document& document, std::int32_t category) {
    return PositionInList(category, document.CategoryCount());
}

std::int32_t ReadNumberField(std::string_view text) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::uint32_t NextTransactionNumber(const Account& account) {
    // Unsigned, so that the largest number wraps instead of overflowing.
    const std::uint32_t last =
        account.transactions.empty() ? 0u : static_cast<std::uint32_t>(account.transactions.back().number);
    return last + 1u;
}

TransactionFields NewTransactionFields(const Document& document, const Account& account, Date today) {
    TransactionFields fields;
    fields.kind = PresetKind(account.type);
    fields.date = today;
    fields.category = CategoryChoice(document, 0);
    fields.number = NumberTextOf(static_cast<std::int32_t>(NextTransactionNumber(account)));
    return fields;
}

TransactionFields EditTransactionFields(const Document& document, const Transaction& transaction) {
    TransactionFields fields;
    fields.amount = AmountText(transaction.amount);
    fields.kind = AddsToBalance(transaction.kind) ? KindIn : KindOut;
    fields.date = Date{transaction.year, transaction.month, transaction.day};
    fields.category = CategoryChoice(document, transaction.category);
    fields.number = NumberTextOf(transaction.number);
    fields.payee = transaction.payee.view();
    fields.memo = transaction.memo.view();
    return fields;
}

RuleOutcome AddTransactionFromFields(Account& account, const TransactionFields& fields) {
    const std::optional<Transaction> transaction = TransactionOf(fields);
    if (!transaction) return AmountRefused();
    if (!account.AddTransaction(*transaction)) return Failed(kErrorAddingTransaction);
    return Accepted();
}

RuleOutcome ReplaceTransactionFromFields(Account& account, std::int32_t position, const TransactionFields& fields) {
    std::optional<Transaction> transaction = TransactionOf(fields);
    if (!transaction) return AmountRefused();
    Transaction& stored = account.GetTransaction(position);
    // The mark stays, unless what a reconciliation counted changed (the user was asked first).
    transaction->mark = ChangesReconciled(stored, *transaction) ? std::uint8_t{MarkUncleared} : stored.mark;
    stored = *transaction;
    return Accepted();
}
