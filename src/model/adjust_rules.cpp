#include "model/adjust_rules.h"

#include <string>

#include "model/account_types.h"
#include "model/amounts.h"
#include "resources/resource.h"

// A balance may be negative.
std::optional<double> ReadAdjustTarget(std::string_view typed) { return ReadSignedAmountField(std::string(typed)); }

RuleOutcome AdjustBalance(Account& account, std::string_view typed, const Date& today) {
    const std::optional<double> target = ReadAdjustTarget(typed);
    if (!target) return Refused(*TypeInfo(account.type).invalidTarget, IDC_BALANCE);
    // Exact: a target that differs by the smallest fraction still gets its entry.
    const std::optional<Transaction> entry = EntryForDifference(*target - AccountBalance(account), today, kAdjustmentMemo);
    if (!entry) return {nullptr, DialogEnd::Unchanged};
    if (!account.AddTransaction(*entry)) return Accepted(&kErrorAddingTransaction);
    return Accepted();
}
