#include "model/rules/adjust_rules.h"

#include <cmath>
#include <string>

#include "model/account_types.h"
#include "model/amounts.h"
#include "resources/resource.h"

namespace {
constexpr double kHalfCent = 0.005;
}  // namespace

// A balance may be negative.
std::optional<double> ReadAdjustTarget(std::string_view typed) { return ReadSignedAmountField(std::string(typed)); }

RuleOutcome AdjustBalance(Account& account, std::string_view typed, const Date& today) {
    const std::optional<double> target = ReadAdjustTarget(typed);
    if (!target) return Refused(*TypeInfo(account.type).invalidTarget, IDC_BALANCE);
    // Less than half a cent would show as an entry of 0.00: a balance summed
    // in binary (0.10 + 0.20) is not quite the two-decimal text it shows.
    const double difference = *target - AccountBalance(account);
    const std::optional<Transaction> entry =
        std::fabs(difference) < kHalfCent ? std::nullopt : EntryForDifference(difference, today, kAdjustmentMemo);
    if (!entry) return {nullptr, DialogEnd::Unchanged};
    if (!account.AddTransaction(*entry)) return Accepted(&kErrorAddingTransaction);
    return Accepted();
}
