#include "model/rules/account_rules.h"

#include <utility>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/case_folding.h"
#include "model/typed_text.h"
#include "resources/resource.h"

// Unlike the other amount boxes, an opening amount may be negative.
std::optional<double> ReadOpeningAmount(std::string text) { return ReadSignedAmountField(std::move(text)); }

RuleOutcome AddNewAccount(Document& document, std::int32_t type, const std::string& amountText, const Date& today) {
    const AccountTypeInfo& info = TypeInfo(type);
    const std::optional<double> amount = ReadOpeningAmount(amountText);
    if (!amount) return Refused(*info.invalidOpeningAmount, IDC_OPENING_AMOUNT);

    Account account;
    account.type = type;
    if (!document.AddAccount(account)) return Failed(kErrorAddingAccount);

    const std::optional<Transaction> entry = EntryForDifference(*amount, today, info.openingMemo);
    Account& added = document.GetAccount(document.AccountCount() - 1);
    if (entry && !added.AddTransaction(*entry)) return Accepted(&kErrorAddingTransaction);
    return Accepted();
}

bool KeepNewAccount(Document& document, bool detailsStored) {
    if (!detailsStored && document.AccountCount() > 0) document.RemoveAccount(document.AccountCount() - 1);
    return detailsStored;
}

RuleOutcome StoreAccountDetails(Document& document, std::int32_t index, const AccountDetailsText& text) {
    const std::string name = text.name.substr(0, Text31::kCapacity);
    if (IsMissingText(name)) return Refused(kEnterAccountName, IDC_ACCOUNT_NAME, true);
    const std::vector<Account>& accounts = document.accounts;
    if (NameUsedByOther(accounts.begin(), accounts.end(), accounts.begin() + index, name, &Account::name))
        return Refused(kAccountNameUsed, IDC_ACCOUNT_NAME);

    // The check runs for every type: a hidden box still holds what opening put there.
    const std::optional<double> creditLimit = ReadAmountField(text.creditLimit);
    if (!creditLimit) return Refused(kInvalidCreditLimit, IDC_CREDIT_LIMIT);

    Account& account = document.GetAccount(index);
    account.name.Set(name);
    account.comment.Set(text.comment);
    account.accountNumber.Set(text.accountNumber);
    account.contactInfo.Set(text.contactInfo);
    account.creditLimit = *creditLimit;
    return Accepted();
}
