#include "model/rules/adjust_rules.h"
#include "model/case_folding.h"
#include "model/rules/find_rules.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 5, 17};

// Balance 60.00: kind 0 adds, any other kind subtracts.
Account SixtyInBank() { return {.transactions = {{100.0, 0}, {30.0, 1}, {10.0, 7}}}; }

}  // namespace

TEST(EntryForDifference, KindZeroAddsKindOneSubtractsExactlyAndZeroGivesNone) {
    const auto entry = [](std::int32_t kind, double amount) -> std::optional<Transaction> {
        return Transaction{amount, kind, 1, 2, 2026, 0, 0, "", "MEMO"};
    };
    const std::pair<double, std::optional<Transaction>> cases[] = {
        {12.5, entry(0, 12.5)}, {-0.25, entry(1, 0.25)},
        {5e-324, entry(0, 5e-324)}, {-5e-324, entry(1, 5e-324)},  // the smallest difference still counts
        {0.0, std::nullopt},    {-0.0, std::nullopt},
    };
    for (const auto& [difference, expected] : cases)
        EXPECT_EQ(EntryForDifference(difference, {2026, 1, 2}, "MEMO"), expected) << difference;
}

TEST(TransactionKind, OnlyKindInAddsAndEveryOtherKindSumsAsOut) {
    const struct { std::int32_t kind; bool adds; } cases[] = {
        {KindIn, true}, {KindOut, false}, {7, false}, {-1, false}};
    for (const auto& c : cases) {
        InOutSums sums;
        sums.Add({2.5, c.kind});
        EXPECT_EQ(AddsToBalance(c.kind), c.adds) << c.kind;
        EXPECT_EQ(SignedAmount({2.5, c.kind}), c.adds ? 2.5 : -2.5) << c.kind;
        EXPECT_EQ(std::pair(sums.in, sums.out), c.adds ? std::pair(2.5, 0.0) : std::pair(0.0, 2.5)) << c.kind;
    }
}

TEST(AdjustRules, ARefusedTargetIsWordedForTheAccountType) {
    const struct { std::int32_t type; const char* typed; const Message* message; } cases[] = {
        {AccountTypeBank, "12a", &kInvalidCurrentBalance}, {AccountTypeCredit, "--5", &kInvalidCurrentBalance},
        {AccountTypeBudget, "5-", &kInvalidAmountLeft},    {AccountTypeCash, "12a", &kInvalidAmountLeft},
        {9, "1 0", &kInvalidCurrentBalance},  // an unknown type reads as Other
    };
    for (const auto& c : cases) {
        Account account{.type = c.type};
        EXPECT_EQ(AdjustBalance(account, c.typed, kToday), StaysOpen(c.message, IDC_BALANCE)) << c.typed;
        EXPECT_TRUE(account.transactions.empty());
    }
}

TEST(AdjustRules, OkAddsOneEntryForTheDifferenceOrEndsUnchanged) {
    const struct { const char* text; std::int32_t kind; double amount; } cases[] = {
        {"-40", 1, 100.0}, {"2,000.50", 0, 1940.5}, {"", 1, 60.0}, {" 5", 1, 60.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Account account = SixtyInBank();
        EXPECT_EQ(AdjustBalance(account, c.text, kToday), Ends(DialogEnd::Changed));
        ASSERT_EQ(account.TransactionCount(), 4);
        EXPECT_EQ(account.transactions.back(), (Transaction{c.amount, c.kind, 5, 17, 2026, 0, 0, "", "ADJUSTMENT"}));
        EXPECT_EQ(AccountBalance(account), *ReadAdjustTarget(c.text));
    }
    // The balance as it shows, or less than half a cent from it: nothing added, and the dialog
    // ends as after Cancel. 0.10 + 0.20 is a little more than the 0.30 it shows.
    const struct { Account account; const char* text; bool adds; } near[] = {
        {SixtyInBank(), "60.00", false},     {SixtyInBank(), "60.004", false}, {SixtyInBank(), "59.996", false},
        {SixtyInBank(), "60.006", true},     {SixtyInBank(), "59.99", true},
        {{.transactions = {{0.10, 0}, {0.20, 0}}}, "0.30", false},
    };
    for (auto [account, text, adds] : near) {
        const std::int32_t before = account.TransactionCount();
        EXPECT_EQ(AdjustBalance(account, text, kToday), Ends(adds ? DialogEnd::Changed : DialogEnd::Unchanged)) << text;
        EXPECT_EQ(account.TransactionCount(), before + (adds ? 1 : 0)) << text;
    }
}

TEST(CaseFolding, TheLettersOfCodePage1252FoldAndTheLengthsMustMatch) {
    // A-Z, the accented capitals but the multiplication sign, and S, Z with caron,
    // OE and Y with diaeresis; the bytes beside them stay as they are.
    EXPECT_EQ(FoldCase("AZ@[`{09 CAF\xC9 \xC0\xDE\xD7\xDF\xBF \x8A\x8C\x8E\x9F"),
              "az@[`{09 caf\xE9 \xE0\xFE\xD7\xDF\xBF \x9A\x9C\x9E\xFF");
    const struct { const char* a; const char* b; bool same; } cases[] = {
        {"Visa", "vISA", true}, {"Caf\xE9", "CAF\xC9", true}, {"", "", true}, {"@", "`", false},
        {"\xD7", "\xF7", false}, {"Visa", "Visa ", false}, {"Vis", "Visa", false},
    };
    for (const auto& c : cases) EXPECT_EQ(SameIgnoringCase(c.a, c.b), c.same) << c.a << " / " << c.b;

    // The program installs the system's own folding of its code page.
    std::array<unsigned char, 256> lower{};
    for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
    lower[0xA3] = 0xB3;  // code page 1250's L with stroke
    SetCaseFolding(lower);
    const bool strokes = SameIgnoringCase("\xA3", "\xB3"), plain = SameIgnoringCase("A", "a");
    SetCaseFolding(std::nullopt);
    EXPECT_TRUE(strokes);
    EXPECT_FALSE(plain);
}

TEST(FindRules, FindNextOverTheDisplayedRows) {
    // Rows as (payee, memo, number) in displayed order.
    const std::vector<FindRowTexts> rows = {
        {"", "OPENING BALANCE", "0"}, {"City Power", "", "57"},       {"Corner Market", "", "110"},
        {"RENT Office", "March", "0"}, {"Corner Market", "rent share", "0"},
    };
    constexpr FindDirection kDown = FindDirection::Down, kUp = FindDirection::Up;
    const struct { const char* search; FindDirection direction; int selected; bool matchCase; int row; } cases[] = {
        {"corner", kDown, -1, false, 2},  // from the top when nothing is selected
        {"corner", kDown, 2, false, 4},   // then the row after the selected one
        {"corner", kDown, 4, false, -1},  // the last row: no wrap
        {"corner", kUp, -1, false, -1},   // up with nothing selected: done at once
        {"corner", kUp, 4, false, 2},     {"corner", kUp, 2, false, -1},
        {"rent", kDown, -1, false, 3},    // payee RENT without match case
        {"rent", kDown, -1, true, 4},     // with it: only the memo "rent share"
        {"corner", kDown, -1, true, -1}, {"Corner", kDown, -1, true, 2},
        {"10", kDown, -1, false, 2},     {"10", kDown, -1, true, 2},  // number text 110, with match case or not
        {"45.50", kDown, -1, false, -1},  // an amount is not among the texts
    };
    for (const auto& c : cases) {
        const FindOutcome outcome = FindNext(c.search, c.matchCase, c.direction, c.selected, 5,
                                             [&](int row) { return rows.at(static_cast<std::size_t>(row)); });
        EXPECT_EQ(outcome.row, c.row) << c.search << " from " << c.selected;
        EXPECT_EQ(outcome.rule, StaysOpen(c.row < 0 ? &kDoneSearching : nullptr)) << c.search;
    }
    const FindOutcome empty = FindNext("", false, kDown, -1, 5, [](int) { return FindRowTexts{}; });
    EXPECT_EQ(empty.row, -1);
    EXPECT_EQ(empty.rule, StaysOpen(&kEnterTextToFind, IDC_FIND_TEXT));
}
