#pragma once
// What the New Transaction and Edit Transaction dialogs show when they open,
// what they check, and what they write into the current account.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/document.h"
#include "model/rule_outcome.h"
#include "model/tables/transaction_text.h"

// The fields of either dialog: what it is filled with, or what was read from it.
struct TransactionFields {
    std::string amount;
    std::int32_t kind = KindIn;  // KindIn when the first kind choice is selected, KindOut for the second
    Date date;                   // the picker's date
    std::int32_t category = -1;  // the chosen entry of the category list, -1 for none
    std::string number;
    std::string payee;
    std::string memo;
};

// The kind a new transaction starts with: the spending kind of the account's
// type ("Charge", the first choice, in a Credit account; the second in every
// other).
std::int32_t PresetKind(std::int32_t accountType);

// The entry of the category list (the categories in list order) that shows a
// category reference: the reference itself inside the list, else -1 (none).
std::int32_t CategoryChoice(const Document& document, std::int32_t category);

// The number field read back: digits only, as an unsigned 32-bit number; an
// empty text, any other character or a larger value gives 0.
std::int32_t ReadNumberField(std::string_view text);

// The number after the account's last transaction in storage order, as an
// unsigned number that wraps past the largest; 1 when it has none.
std::uint32_t NextTransactionNumber(const Account& account);

// New Transaction opens with no amount, payee or memo, today's date, the
// first category, the preset kind and the number after the account's last
// transaction in storage order (1 when there is none).
TransactionFields NewTransactionFields(const Document& document, const Account& account, Date today);

// Edit Transaction opens with the transaction's own values.
TransactionFields EditTransactionFields(const Document& document, const Transaction& transaction);

// The transaction the fields give, or std::nullopt when the amount is refused.
std::optional<Transaction> TransactionOf(const TransactionFields& fields);

// An OK (or "Add more..."): a refused amount sends the focus back to the
// amount box; a transaction that cannot be appended leaves the dialog open
// after saying so; otherwise the dialog ends with 1.

// Appends the transaction the fields give to the account. A refused amount or
// a failed append leaves the account unchanged.
RuleOutcome AddTransactionFromFields(Account& account, const TransactionFields& fields);

// Writes the fields over the transaction at `position` (which must exist);
// it keeps its place in storage order and its mark, except that a reconciled
// one whose amount, kind or date changes becomes uncleared. A refused amount
// changes nothing.
RuleOutcome ReplaceTransactionFromFields(Account& account, std::int32_t position, const TransactionFields& fields);
