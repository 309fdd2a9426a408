// The Adjust rules (label, balance, target check, the entry for the
// difference) and the Find Next rules (start row, case, which texts are
// searched, no wrap).

#include <gtest/gtest.h>

#include <optional>
#include <string>
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

TEST(AdjustRules, LabelAndMessageFollowTheAccountType) {
    struct Case {
        std::int32_t type;
        const char* label;
        const char* message;
    };
    const char* kBalance = "Enter a valid current balance (numbers, commas, periods and no other symbols).";
    const char* kLeft = "Enter a valid amount left (numbers, commas, periods and no other symbols).";
    const Case cases[] = {
        {AccountTypeBank, "Current balance", kBalance},     {AccountTypeCredit, "Current balance", kBalance},
        {AccountTypeOther, "Current balance", kBalance},    {AccountTypeBudget, "Current amount left", kLeft},
        {AccountTypeCash, "Current amount left", kLeft},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(BalanceLabel(c.type), c.label) << c.type;
        Account account = AccountOf(c.type, {});
        const AdjustOutcome outcome = AdjustBalance(account, "12a", kToday);
        EXPECT_EQ(outcome.result, AdjustResult::Invalid);
        EXPECT_STREQ(outcome.message, c.message);
        EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
        EXPECT_FALSE(outcome.Closes());
        EXPECT_TRUE(account.transactions.empty());
    }
}

TEST(AdjustRules, BalanceAddsKindZeroAndSubtractsAnyOtherKind) {
    EXPECT_EQ(AccountBalance(AccountOf(AccountTypeBank, {})), 0.0);
    EXPECT_EQ(AccountBalance(AccountOf(AccountTypeBank, {Entry(0, 100), Entry(1, 30), Entry(7, 80)})), -10.0);
}

TEST(AdjustRules, TargetTextAllowsOnlyALeadingMinus) {
    struct Case {
        std::string text;
        std::optional<double> target;
    };
    const Case cases[] = {
        {"-40", -40.0},        {"2,000.50", 2000.5}, {"", 0.0},           {" 5", 0.0},     {" x", 0.0},
        {"-", 0.0},            {"60.00", 60.0},      {"--5", std::nullopt}, {"5-", std::nullopt},
        {"+5", std::nullopt},  {"5 ", std::nullopt}, {"1e3", std::nullopt},
        {std::string(49, '1') + "x", std::stod(std::string(49, '1'))},  // only 49 characters are read
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAdjustTarget(c.text), c.target) << '"' << c.text << '"';
}

TEST(AdjustRules, OkAddsOneEntryForTheDifference) {
    struct Case {
        std::int32_t type;
        std::string text;
        AdjustResult result;
        std::int32_t kind;
        double amount;
    };
    const Case cases[] = {
        {AccountTypeBank, "-40", AdjustResult::Added, 1, 100.0},
        {AccountTypeBank, "2,000.50", AdjustResult::Added, 0, 1940.5},
        {AccountTypeBank, "", AdjustResult::Added, 1, 60.0},
        {AccountTypeCash, " 5", AdjustResult::Added, 1, 60.0},
        {AccountTypeBank, "60.00", AdjustResult::Unchanged, 0, 0.0},
        {AccountTypeCredit, "61", AdjustResult::Added, 0, 1.0},
    };
    for (const Case& c : cases) {
        Account account = AccountOf(c.type, {Entry(0, 100), Entry(1, 40)});  // balance 60.00
        const AdjustOutcome outcome = AdjustBalance(account, c.text, kToday);
        EXPECT_EQ(outcome.result, c.result) << c.text;
        EXPECT_TRUE(outcome.Closes());
        EXPECT_EQ(outcome.message, nullptr);
        if (c.result == AdjustResult::Unchanged) {
            EXPECT_EQ(outcome.DialogResult(), 2);
            EXPECT_EQ(account.TransactionCount(), 2);
            continue;
        }
        EXPECT_EQ(outcome.DialogResult(), 1);
        ASSERT_EQ(account.TransactionCount(), 3) << c.text;
        Transaction expected = Entry(c.kind, c.amount);
        expected.month = 5;
        expected.day = 17;
        expected.year = 2026;
        expected.memo = "ADJUSTMENT";
        EXPECT_EQ(account.transactions.back(), expected) << c.text;
        EXPECT_EQ(AccountBalance(account), *ReadAdjustTarget(c.text)) << c.text;
    }
}

TEST(AdjustRules, TheComparisonIsExactSoATinyFractionGetsAnEntry) {
    Account account = AccountOf(AccountTypeBank, {Entry(0, 0.10), Entry(0, 0.20)});
    const std::string shown = AmountText(AccountBalance(account));
    ASSERT_EQ(shown, "0.30");
    EXPECT_EQ(AdjustBalance(account, shown, kToday).result, AdjustResult::Added);
    ASSERT_EQ(account.TransactionCount(), 3);
    EXPECT_EQ(account.transactions.back().kind, 1);
    EXPECT_GT(account.transactions.back().amount, 0.0);
    EXPECT_EQ(AmountText(account.transactions.back().amount), "0.00");
}

namespace {

// Rows as (payee, memo, number) in displayed order; records which were read.
struct Rows {
    explicit Rows(std::vector<FindRowTexts> rows) : texts(std::move(rows)) {}

    std::vector<FindRowTexts> texts;
    std::vector<int> read;

    FindOutcome Next(const std::string& search, FindDirection direction, int selected, bool matchCase = false) {
        read.clear();
        return FindNext(search, matchCase, direction, selected, static_cast<int>(texts.size()), [this](int row) {
            read.push_back(row);
            return texts.at(static_cast<std::size_t>(row));
        });
    }
};

const Rows kSample{std::vector<FindRowTexts>{
    {"", "OPENING BALANCE", "0"},
    {"City Power", "", "57"},
    {"Corner Market", "", "110"},
    {"RENT Office", "March", "0"},
    {"Corner Market", "rent share", "0"},
}};

constexpr FindDirection kDown = FindDirection::Down;
constexpr FindDirection kUp = FindDirection::Up;

}  // namespace

TEST(FindRules, CaseFoldingTouchesOnlyAToZ) { EXPECT_EQ(FoldCase("AbZ@[`{ \xC4"), "abz@[`{ \xC4"); }

TEST(FindRules, FindNextOverTheDisplayedRows) {
    struct Case {
        std::string search;
        FindDirection direction;
        int selected;
        bool matchCase;
        int row;  // -1: "Done searching through transactions."
    };
    const Case cases[] = {
        {"corner", kDown, -1, false, 2},   // from the top when nothing is selected
        {"corner", kDown, 2, false, 4},    // then the row after the selected one
        {"corner", kDown, 4, false, -1},   // the last row: no wrap
        {"corner", kUp, -1, false, -1},    // up with nothing selected: done at once
        {"corner", kUp, 4, false, 2},
        {"corner", kUp, 2, false, -1},
        {"rent", kDown, -1, false, 3},     // payee RENT without match case
        {"rent", kDown, -1, true, 4},      // with it: only the memo "rent share"
        {"RENT", kDown, 3, true, -1},
        {"10", kDown, -1, false, 2},       // number text 110 holds 10
        {"march", kDown, -1, false, 3},    // memo
        {"Corner Market", kDown, 9, false, -1},  // a selection past the end reads nothing
        {"Corner Market", kUp, 9, false, -1},
    };
    for (const Case& c : cases) {
        Rows rows = kSample;
        const FindOutcome outcome = rows.Next(c.search, c.direction, c.selected, c.matchCase);
        EXPECT_EQ(outcome.row, c.row) << c.search << " from " << c.selected;
        EXPECT_STREQ(outcome.message, c.row < 0 ? "Done searching through transactions." : nullptr) << c.search;
        EXPECT_EQ(outcome.icon, c.row < 0 ? MessageIcon::Exclamation : MessageIcon::None);
        EXPECT_FALSE(outcome.focusSearchText);
        for (int row : rows.read) EXPECT_TRUE(row >= 0 && row < 5) << row;
    }
}

TEST(FindRules, OnlyPayeeMemoAndNumberAreSearchedInOrderUntilTheFirstMatch) {
    Rows rows = kSample;
    EXPECT_EQ(rows.Next("city", kDown, -1).row, 1);
    EXPECT_EQ(rows.read, (std::vector<int>{0, 1}));  // stops at the match
    // The same search over the rows of a date-sorted list follows the displayed order.
    Rows sorted{{kSample.texts[4], kSample.texts[2], kSample.texts[0]}};
    EXPECT_EQ(sorted.Next("corner", kDown, -1).row, 0);
    EXPECT_EQ(sorted.Next("corner", kDown, 0).row, 1);
    EXPECT_EQ(sorted.Next("corner", kDown, 1).row, -1);
    EXPECT_EQ(rows.Next("45.50", kDown, -1).row, -1);  // an amount is not among the texts
}

TEST(FindRules, AnEmptySearchAsksForTextAndReadsNoRow) {
    Rows rows = kSample;
    const FindOutcome outcome = rows.Next("", kDown, -1);
    EXPECT_EQ(outcome.row, -1);
    EXPECT_STREQ(outcome.message, "Enter the text to find.");
    EXPECT_EQ(outcome.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(outcome.focusSearchText);
    EXPECT_TRUE(rows.read.empty());
    // Only the first 49 characters of the box are searched for.
    Rows longPayee{{{std::string(30, 'a'), "", ""}}};
    EXPECT_EQ(longPayee.Next(std::string(49, 'a') + "b", kDown, -1).row, -1);
    longPayee.texts[0].memo = std::string(49, 'a');
    EXPECT_EQ(longPayee.Next(std::string(49, 'a') + "b", kDown, -1).row, 0);
}
