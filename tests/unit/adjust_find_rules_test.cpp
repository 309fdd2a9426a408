// The Adjust rules (label, target check, the entry for the difference) and
// the Find Next rules (start row, case, which texts are searched, no wrap).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "model/adjust_rules.h"
#include "model/amounts.h"
#include "model/find_rules.h"

namespace {

using AdjustResult = AdjustOutcome::Result;

const Date kToday{2026, 5, 17};

Transaction Entry(int kind, double amount) {
    Transaction t;
    t.kind = kind;
    t.amount = amount;
    return t;
}

Account AccountOf(std::int32_t type, std::vector<Transaction> transactions) {
    Account account;
    account.type = type;
    account.transactions = std::move(transactions);
    return account;
}

}  // namespace

TEST(AdjustRules, LabelAndRefusalFollowTheAccountType) {
    const struct { std::int32_t type; const char* label; const char* what; } cases[] = {
        {AccountTypeBank, "Current balance", "current balance"},
        {AccountTypeBudget, "Current amount left", "amount left"},
        {AccountTypeCash, "Current amount left", "amount left"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(BalanceLabel(c.type), c.label) << c.type;
        Account account = AccountOf(c.type, {});
        for (const char* refused : {"12a", "--5", "5-"}) {
            const AdjustOutcome outcome = AdjustBalance(account, refused, kToday);
            EXPECT_EQ(outcome.result, AdjustResult::Invalid) << refused;
            EXPECT_EQ(outcome.message, "Enter a valid " + std::string(c.what) +
                                           " (numbers, commas, periods and no other symbols).");
        }
        EXPECT_TRUE(account.transactions.empty());
    }
}

TEST(AdjustRules, OkAddsOneEntryForTheDifference) {
    const struct { const char* text; AdjustResult result; std::int32_t kind; double amount; } cases[] = {
        {"-40", AdjustResult::Added, 1, 100.0},       {"2,000.50", AdjustResult::Added, 0, 1940.5},
        {"", AdjustResult::Added, 1, 60.0},           {" 5", AdjustResult::Added, 1, 60.0},
        {"60.00", AdjustResult::Unchanged, 0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // Balance 60.00: kind 0 adds, any other kind subtracts.
        Account account = AccountOf(AccountTypeBank, {Entry(0, 100), Entry(1, 30), Entry(7, 10)});
        const AdjustOutcome outcome = AdjustBalance(account, c.text, kToday);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.message, nullptr);
        if (c.result == AdjustResult::Unchanged) {
            EXPECT_EQ(outcome.DialogResult(), 2);
            EXPECT_EQ(account.TransactionCount(), 3);
            continue;
        }
        ASSERT_EQ(account.TransactionCount(), 4);
        const Transaction& added = account.transactions.back();
        EXPECT_EQ(std::tuple(added.kind, added.amount, added.memo.view(), Date{added.year, added.month, added.day}),
                  std::tuple(c.kind, c.amount, std::string_view("ADJUSTMENT"), kToday));
        EXPECT_EQ(AccountBalance(account), *ReadAdjustTarget(c.text));
    }
}

TEST(AdjustRules, TheComparisonIsExactSoATinyFractionGetsAnEntry) {
    Account account = AccountOf(AccountTypeBank, {Entry(0, 0.10), Entry(0, 0.20)});
    const std::string shown = AmountText(AccountBalance(account));
    ASSERT_EQ(shown, "0.30");
    EXPECT_EQ(AdjustBalance(account, shown, kToday).result, AdjustResult::Added);
    ASSERT_EQ(account.TransactionCount(), 3);
    EXPECT_EQ(account.transactions.back().kind, 1);
    EXPECT_EQ(AmountText(account.transactions.back().amount), "0.00");
}

namespace {

// Rows as (payee, memo, number) in displayed order.
const std::vector<FindRowTexts> kRows = {
    {"", "OPENING BALANCE", "0"},
    {"City Power", "", "57"},
    {"Corner Market", "", "110"},
    {"RENT Office", "March", "0"},
    {"Corner Market", "rent share", "0"},
};

FindOutcome Next(const std::vector<FindRowTexts>& rows, const std::string& search, FindDirection direction,
                 int selected, bool matchCase = false) {
    return FindNext(search, matchCase, direction, selected, static_cast<int>(rows.size()),
                    [&](int row) { return rows.at(static_cast<std::size_t>(row)); });
}

constexpr FindDirection kDown = FindDirection::Down;
constexpr FindDirection kUp = FindDirection::Up;

}  // namespace

TEST(FindRules, FindNextOverTheDisplayedRows) {
    // Row -1: "Done searching through transactions."
    const struct { const char* search; FindDirection direction; int selected; bool matchCase; int row; } cases[] = {
        {"corner", kDown, -1, false, 2},  // from the top when nothing is selected
        {"corner", kDown, 2, false, 4},   // then the row after the selected one
        {"corner", kDown, 4, false, -1},  // the last row: no wrap
        {"corner", kUp, -1, false, -1},   // up with nothing selected: done at once
        {"corner", kUp, 4, false, 2},
        {"rent", kDown, -1, false, 3},    // payee RENT without match case
        {"rent", kDown, -1, true, 4},     // with it: only the memo "rent share"
        {"10", kDown, -1, false, 2},      // number text 110 holds 10
        {"45.50", kDown, -1, false, -1},  // an amount is not among the texts
    };
    for (const auto& c : cases) {
        const FindOutcome outcome = Next(kRows, c.search, c.direction, c.selected, c.matchCase);
        EXPECT_EQ(outcome.row, c.row) << c.search << " from " << c.selected;
        EXPECT_STREQ(outcome.message, c.row < 0 ? "Done searching through transactions." : nullptr) << c.search;
    }
    // The same search over a date-sorted list follows the displayed order.
    const std::vector<FindRowTexts> sorted = {kRows[4], kRows[2], kRows[0]};
    EXPECT_EQ(Next(sorted, "corner", kDown, -1).row, 0);
    EXPECT_EQ(Next(sorted, "corner", kDown, 0).row, 1);
    EXPECT_EQ(Next(sorted, "corner", kDown, 1).row, -1);
    const FindOutcome empty = Next(kRows, "", kDown, -1);
    EXPECT_EQ(empty.row, -1);
    EXPECT_STREQ(empty.message, "Enter the text to find.");
    EXPECT_TRUE(empty.focusSearchText);
}
