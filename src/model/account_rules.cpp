#include "model/account_rules.h"

#include <algorithm>
#include <utility>

#include "model/amounts.h"

namespace {

constexpr char kInvalidBalance[] = "Enter a valid opening balance (numbers, commas, periods and no other symbols).";

constexpr AccountTypeTexts kBankTexts{"Checking, Savings and other Bank accounts", "Opening balance",
                                      "OPENING BALANCE", kInvalidBalance, 12};
constexpr AccountTypeTexts kCreditTexts{"Credit and Charge cards", "Opening balance", "OPENING BALANCE",
                                        kInvalidBalance, 12};
constexpr AccountTypeTexts kBudgetTexts{
    "Keeps track of a budget", "Budget amount", "BUDGET AMOUNT",
    "Enter a valid budget amount (numbers, commas, periods and no other symbols).", 13};
constexpr AccountTypeTexts kCashTexts{
    "Keeps track of daily expenditures", "Opening cash amount", "OPENING CASH AMOUNT",
    "Enter a valid opening cash amount (numbers, commas, periods and no other symbols).", 14};
constexpr AccountTypeTexts kOtherTexts{"Account types that are not Bank, Credit, Budget or Cash", "Opening balance",
                                       "OPENING BALANCE", kInvalidBalance, 12};

bool IsBudgetOrCash(std::int32_t type) { return type == AccountTypeBudget || type == AccountTypeCash; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

AccountOutcome Refusal(const char* message, AccountField focus, bool emptiesField = false) {
    return {message, MessageIcon::Exclamation, false, focus, emptiesField};
}

bool NameUsedByOther(const Document& document, std::int32_t index, std::string_view name) {
    for (std::int32_t i = 0; i < document.AccountCount(); ++i)
        if (i != index && SameNameIgnoringCase(document.GetAccount(i).name.view(), name)) return true;
    return false;
}

}  // namespace

const AccountTypeTexts& TypeTexts(std::int32_t type) {
    switch (type) {
    case AccountTypeBank:
        return kBankTexts;
    case AccountTypeCredit:
        return kCreditTexts;
    case AccountTypeBudget:
        return kBudgetTexts;
    case AccountTypeCash:
        return kCashTexts;
    default:
        return kOtherTexts;
    }
}

// Unlike the other amount boxes, an opening amount may be negative.
std::optional<double> ReadOpeningAmount(std::string text) { return ReadSignedAmountField(std::move(text)); }

std::optional<Transaction> OpeningEntry(std::int32_t type, double amount, const Date& today) {
    if (amount == 0.0) return std::nullopt;
    Transaction entry;
    entry.kind = amount > 0.0 ? 0 : 1;
    entry.amount = amount > 0.0 ? amount : -amount;  // stored amounts are never negative
    entry.month = today.month;
    entry.day = today.day;
    entry.year = today.year;
    entry.memo = TypeTexts(type).openingMemo;
    return entry;
}

AccountOutcome AddNewAccount(Document& document, std::int32_t type, const std::string& amountText,
                             const Date& today) {
    const std::optional<double> amount = ReadOpeningAmount(amountText);
    if (!amount) return Refusal(TypeTexts(type).invalidAmountMessage, AccountField::OpeningAmount);

    Account account;
    account.type = type;
    if (!document.AddAccount(account)) return {kErrorAddingAccountMessage, MessageIcon::Stop, false};

    const std::optional<Transaction> entry = OpeningEntry(type, *amount, today);
    Account& added = document.GetAccount(document.AccountCount() - 1);
    // The account stays without an opening entry when that cannot be added.
    if (entry && !added.AddTransaction(*entry)) return {kErrorAddingTransactionMessage, MessageIcon::Stop, true};
    return {nullptr, MessageIcon::None, true};
}

AccountOutcome StoreAccountDetails(Document& document, std::int32_t index, const AccountDetailsText& text) {
    const std::string name = text.name.substr(0, Text31::kCapacity);
    if (name.empty() || name[0] == ' ') return Refusal(kEnterAccountNameMessage, AccountField::Name, true);
    if (NameUsedByOther(document, index, name)) return Refusal(kAccountNameUsedMessage, AccountField::Name);

    // The check runs for every type: a hidden box still holds what opening put there.
    const std::optional<double> creditLimit = ReadAmountField(text.creditLimit);
    if (!creditLimit) return Refusal(kInvalidCreditLimitMessage, AccountField::CreditLimit);

    Account& account = document.GetAccount(index);
    account.name.Set(name);
    account.comment.Set(text.comment);
    account.accountNumber.Set(text.accountNumber);
    account.contactInfo.Set(text.contactInfo);
    account.creditLimit = *creditLimit;
    return {nullptr, MessageIcon::None, true};
}

AccountDetailsLayout DetailsLayout(std::int32_t type) {
    if (IsBudgetOrCash(type)) return {false, false, 150};
    return {true, type == AccountTypeCredit, 0};
}

unsigned DetailsHelpTopic(std::int32_t type) {
    if (type == AccountTypeCredit) return 10;
    return IsBudgetOrCash(type) ? 11 : 9;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}
