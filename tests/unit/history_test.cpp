#include "model/history/document_changes.h"
#include "model/history/history.h"
#include "test_files.h"

namespace {

ByteVector SavedBytes(const Document& document) {
    ScratchDir dir;
    EXPECT_TRUE(document.Save(dir.File("f.pwf")));
    return ReadBytes(dir.File("f.pwf"));
}

// A document with bank ids and marks, so that a step that loses them shows.
Document Marked() {
    Document document = MakeSampleDocument();
    document.accounts[0].bankIds = {{0, "FIT-0"}, {1, "FIT-1"}};
    document.accounts[0].transactions[1].mark = MarkReconciled;
    return document;
}

}  // namespace

TEST(History, EveryTransactionStepGoesBackAndForthToTheSameFile) {
    using Change = Step (*)(Document&);
    const std::pair<const char*, Change> changes[] = {
        {"add", [](Document& d) { d.GetAccount(0).AddTransaction({.amount = 3.5, .payee = "New"}); return AddedTransactionStep(d, 0); }},
        {"edit", [](Document& d) {
             const Transaction before = d.GetAccount(0).GetTransaction(1);
             d.GetAccount(0).GetTransaction(1).amount = 99.0;
             return ReplacedTransactionStep(d, 0, 1, before);
         }},
        {"delete the first, with its bank id", [](Document& d) { return DeleteTransaction(d, 0, 0); }},
    };
    for (const auto& [what, change] : changes) {
        Document document = Marked();
        const ByteVector before = SavedBytes(document);
        History history;
        history.Record(change(document));
        const ByteVector after = SavedBytes(document);
        ASSERT_NE(after, before) << what;
        ASSERT_TRUE(history.Undo(document)) << what;
        EXPECT_EQ(SavedBytes(document), before) << what;
        EXPECT_EQ(document, Marked()) << what;
        ASSERT_TRUE(history.Redo(document)) << what;
        EXPECT_EQ(SavedBytes(document), after) << what;
    }
}

TEST(History, ANewChangeDropsTheRedoStepsAndTheOldestGoFirst) {
    Document document = Marked();
    History history;
    history.Record(DeleteTransaction(document, 0, 0));
    history.Record(DeleteTransaction(document, 0, 0));
    EXPECT_EQ(*history.UndoName(), "Delete Transaction");
    history.Undo(document);
    EXPECT_EQ(*history.RedoName(), "Delete Transaction");
    document.GetAccount(1).AddTransaction({});
    history.Record(AddedTransactionStep(document, 1));
    EXPECT_EQ(history.RedoName(), nullptr);
    EXPECT_EQ(history.StepCount(), 2u);
    EXPECT_FALSE(history.Redo(document));

    for (std::size_t i = 0; i < kMaxHistorySteps + 5; ++i) history.Record({"Step", {}, {}, 0});
    EXPECT_EQ(history.StepCount(), kMaxHistorySteps);
    history.Record({"Large", {}, {}, kMaxHistoryBytes / 2});
    history.Record({"Larger", {}, {}, kMaxHistoryBytes / 2});
    EXPECT_EQ(history.StepCount(), 1u) << "the newest stays, the rest would pass the bound";
    history.Clear();
    EXPECT_EQ(history.UndoName(), nullptr);
}

TEST(History, EveryDocumentStepGoesBackAndForthToTheSameFile) {
    using Change = Step (*)(Document&);
    const std::pair<const char*, Change> changes[] = {
        {"password and a bill", [](Document& d) {
             DocumentHeads before = HeadsOf(d);
             d.password = "new";
             d.billDeposits[0].amount = 1.0;
             d.accounts[1].name = "Card";
             return HeadsStep("Edit", std::move(before), d);
         }},
        {"new account", [](Document& d) { d.AddAccount({.name = "New", .transactions = {{.amount = 1.0}}}); return AddedAccountStep(d, "New Account"); }},
        {"delete account 0 with its bill", [](Document& d) { std::int32_t current = 0; return *DeleteAccount(d, 0, current); }},
        {"delete category 2", [](Document& d) { return *DeleteCategory(d, 2); }},
        {"statement import and marks", [](Document& d) {
             AccountBefore before = AccountBeforeChange(d, 0);
             d.accounts[0].transactions[0].mark = MarkReconciled;
             d.accounts[0].AddTransaction({.amount = 2.0});
             d.accounts[0].bankIds.push_back({2, "NEW"});
             d.accounts[0].lastStatement = StatementClosing{5, {2026, 1, 1}};
             return AccountChangeStep("Import Statement", std::move(before), d);
         }},
        {"1.1x import", [](Document& d) {
             const std::int32_t categories = d.CategoryCount();
             d.AddCategory("Imported");
             d.AddAccount({.name = "Old", .transactions = {{.category = categories}}});
             return ImportedAccountStep(d, categories);
         }},
        {"combined", [](Document& d) {
             DocumentHeads before = HeadsOf(d);
             d.accounts[0].AddTransaction({.amount = 3.0});
             Step added = AddedTransactionStep(d, 0);
             d.billDeposits.clear();
             std::vector<Step> parts;
             parts.push_back(std::move(added));
             parts.push_back(HeadsStep("", std::move(before), d));
             return CombinedStep("Process Bill/Deposit", std::move(parts));
         }},
    };
    for (const auto& [what, change] : changes) {
        Document document = Marked();
        document.accounts[1].transactions[0].category = 3;  // above the deleted category: moves down and back
        const Document original = document;
        const ByteVector before = SavedBytes(document);
        History history;
        history.Record(change(document));
        const Document changed = document;
        ASSERT_NE(SavedBytes(document), before) << what;
        ASSERT_TRUE(history.Undo(document)) << what;
        EXPECT_EQ(SavedBytes(document), before) << what;
        EXPECT_EQ(document, original) << what;
        ASSERT_TRUE(history.Redo(document)) << what;
        EXPECT_EQ(document, changed) << what;
    }
}

TEST(History, TheCurrentAccountStaysTheSameAccount) {
    const struct {
        ChangedPlace place;
        std::int32_t current, after;
    } cases[] = {
        {{.removedAccount = 1}, 1, -1}, {{.removedAccount = 1}, 2, 1}, {{.removedAccount = 1}, 0, 0},
        {{.insertedAccount = 1}, 1, 2}, {{.insertedAccount = 1}, 0, 0}, {{.insertedAccount = 0}, -1, -1},
        {{.account = 3, .position = 2}, 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(CurrentAccountAfter(c.place, c.current), c.after) << c.current;
}
