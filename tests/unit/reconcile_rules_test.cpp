#include "model/amounts.h"
#include "model/rules/reconcile_rules.h"
#include "model/tables/stats_figures.h"
#include "test_files.h"

namespace {

// Kind, amount, date (March 2026), mark.
Transaction T(std::int32_t kind, double amount, std::int32_t day, std::uint8_t mark = MarkUncleared) {
    Transaction t{.amount = amount, .kind = kind, .month = 3, .day = day, .year = 2026};
    t.mark = mark;
    return t;
}

// 100.00 reconciled, then 0.10 and 0.20 in (the second cleared), 50.00 out, and an uncleared 9.99 after the 15th.
Account Sample(std::int32_t type = AccountTypeBank) {
    return {.type = type,
            .transactions = {T(KindIn, 100.0, 1, MarkReconciled), T(KindIn, 0.1, 5), T(KindIn, 0.2, 4, MarkCleared),
                             T(KindOut, 50.0, 6), T(KindOut, 9.99, 20)}};
}

std::vector<std::uint8_t> Marks(const Account& account) {
    std::vector<std::uint8_t> marks;
    for (const Transaction& t : account.transactions) marks.push_back(t.mark);
    return marks;
}

}  // namespace

TEST(Reconcile, RowsAndFiguresToTheCent) {
    const Account account = Sample();
    Reconciliation r = StartReconciliation(account, {2026, 3, 15});
    EXPECT_EQ(r.rows, (std::vector<std::int32_t>{2, 1, 3})) << "not reconciled, up to the closing date, in date order";
    EXPECT_EQ(r.openingCents, 10000);
    SetTick(r, account, 1, true);  // 0.10, with 0.20 cleared already
    const ReconcileFigures figures = FiguresOf(r, 10030);
    EXPECT_EQ(std::tuple(figures.opening, figures.in, figures.out, figures.cleared), std::tuple(10000, 30, 0, 10030));
    EXPECT_EQ(figures.difference, 0) << "0.10 + 0.20 leaves no residue";
    EXPECT_EQ(FiguresOf(r, std::nullopt).difference, std::nullopt);

    r.showsLater = true;
    ListRows(r, account);
    EXPECT_EQ(r.rows.size(), 4u);
    SetAllTicks(r, account, true);
    EXPECT_EQ(FiguresOf(r, 0).cleared, 10000 + 30 - 5000 - 999);
    SetAllTicks(r, account, false);
    EXPECT_EQ(FiguresOf(r, 0).cleared, 10000);
}

TEST(Reconcile, ACreditAccountOwesWhatItsChargesAdd) {
    // KindIn is a charge: a statement owing 40.00 after a 50.00 charge and a 10.00 payment.
    const Account card{.type = AccountTypeCredit, .transactions = {T(KindIn, 50.0, 2, MarkCleared), T(KindOut, 10.0, 3, MarkCleared)},
                       .lastStatement = StatementClosing{4000, {2026, 3, 31}}};
    const Reconciliation r = StartReconciliation(card, {2026, 3, 31});
    EXPECT_EQ(FiguresOf(r, ReadClosingBalance(ClosingBalanceText(card))).difference, 0);
    EXPECT_EQ(ClosingBalanceText(Sample()), "");
    for (const char* text : {"", "  ", "abc", "1.2.3x"}) EXPECT_EQ(ReadClosingBalance(text), std::nullopt) << text;
    EXPECT_EQ(ReadClosingBalance("-1,234.5"), -123450);
    const ReconcileTexts texts = TextsOf({.opening = -5, .in = 123456, .cleared = 0}, AccountTypeCredit);
    EXPECT_EQ(std::tuple(texts.inLabel, texts.outLabel, texts.opening, texts.in, texts.difference),
              std::tuple("Charges:", "Payments:", "-0.05", "1234.56", ""));
    EXPECT_EQ(CentsText(INT64_MIN), "-92233720368547758.08");
}

TEST(Reconcile, FinishFinishLaterAndAdjust) {
    const Account original = Sample();
    Reconciliation r = StartReconciliation(original, {2026, 3, 15});
    SetTick(r, original, 2, true);    // the 50.00 out
    SetTick(r, original, 0, false);   // the cleared 0.20
    Adjust(r, 10000 - 5000 - 100);    // the statement shows 1.00 less
    ASSERT_TRUE(r.adjustment);
    EXPECT_EQ(std::tuple(r.adjustment->kind, r.adjustment->amount, r.adjustment->memo.view()), std::tuple(KindOut, 1.0, "ADJUSTMENT"));
    EXPECT_EQ(FiguresOf(r, 4900).difference, 0);

    Account finished = original;
    ASSERT_TRUE(FinishReconciliation(finished, r));
    EXPECT_EQ(Marks(finished), (std::vector<std::uint8_t>{MarkReconciled, MarkUncleared, MarkCleared, MarkReconciled,
                                                          MarkUncleared, MarkReconciled}))
        << "unticked rows keep their mark; the adjustment is reconciled";
    Account later = original;
    ASSERT_TRUE(FinishReconciliationLater(later, r));
    EXPECT_EQ(Marks(later), (std::vector<std::uint8_t>{MarkReconciled, MarkUncleared, MarkUncleared, MarkCleared,
                                                       MarkUncleared, MarkCleared}))
        << "the ticks become the marks; a row not listed keeps its own";
    Adjust(r, 5000);  // the earlier entry goes; with no difference, no new one
    EXPECT_FALSE(r.adjustment);
}

TEST(Reconcile, ChangingAReconciledTransactionAsksAndTheStatsShowTheClearedBalance) {
    const Transaction reconciled = T(KindIn, 5.0, 1, MarkReconciled);
    const struct {
        Transaction changed;
        bool asks;
    } cases[] = {
        {T(KindIn, 5.0, 1), false}, {T(KindIn, 5.001, 1), false}, {T(KindIn, 5.01, 1), true},
        {T(KindOut, 5.0, 1), true}, {T(KindIn, 5.0, 2), true},
    };
    for (const auto& c : cases) EXPECT_EQ(ChangesReconciled(reconciled, c.changed), c.asks) << c.changed.amount;
    EXPECT_FALSE(ChangesReconciled(T(KindIn, 5.0, 1, MarkCleared), T(KindOut, 6.0, 2)));

    Document document;
    document.AddAccount(Sample());
    EXPECT_EQ(ComputeStatsFigures(document, 0, {2026, 3, 20}, 0).clearedBalance, "100.20");
    EXPECT_EQ(ComputeStatsFigures(document, -1, {2026, 3, 20}, 0).clearedBalance, "");
}
