#include "model/statements/statement_import.h"
#include "test_files.h"

namespace {

StatementLine Line(Date date, std::int64_t cents, std::string payee, std::string bankId = "", std::string category = "") {
    return {.date = date, .cents = cents, .payee = std::move(payee), .category = std::move(category),
            .bankId = std::move(bankId)};
}

// The statuses of the preview, "N" for new and "A" for already there.
std::string Statuses(const std::vector<PreviewLine>& lines) {
    std::string statuses;
    for (const PreviewLine& line : lines) statuses += line.alreadyThere ? 'A' : 'N';
    return statuses;
}

// Imports the statement's new lines into account 0 and gives the statuses it showed.
std::string ImportNew(Document& document, const Statement& statement) {
    const std::vector<PreviewLine> lines = PreviewStatement(document, 0, statement);
    EXPECT_TRUE(ImportPreviewLines(document, 0, lines));
    return Statuses(lines);
}

const Statement kJanuary{.lines = {Line({2026, 1, 3}, -450, "Coffee Shop", "F1"), Line({2026, 1, 3}, -450, "Coffee Shop", "F2"),
                                   Line({2026, 1, 5}, 250000, "Employer", "F3")}};

}  // namespace

TEST(StatementImport, ASecondImportAddsNothingAndAnOverlapOnlyTheNewLines) {
    Document document = MakeSampleDocument();
    const int before = document.accounts[0].TransactionCount();
    EXPECT_EQ(ImportNew(document, kJanuary), "NNN") << "two identical coffees on one day are two lines";
    EXPECT_EQ(ImportNew(document, kJanuary), "AAA");
    Statement overlap = kJanuary;
    overlap.lines.push_back(Line({2026, 1, 9}, -1299, "Bookshop", "F4"));
    EXPECT_EQ(ImportNew(document, overlap), "AAAN");
    EXPECT_EQ(document.accounts[0].TransactionCount(), before + 4);
    EXPECT_EQ(*document.accounts[0].BankIdOf(before + 3), "F4");
}

TEST(StatementImport, LinesWithoutIdsMatchByDateAmountKindAndPayeeOnce) {
    Document document;
    document.AddCategory("None");
    document.AddAccount({.transactions = {{4.5, 7, 1, 3, 2026, 0, 0, "COFFEE SHOP #12"}}});  // a file's kind 7 takes away
    const struct {
        StatementLine line;
        const char* status;
    } cases[] = {
        {Line({2026, 1, 6}, -450, "coffeeshop"), "A"},      // 3 days later, case and spaces aside
        {Line({2025, 12, 31}, -450, "Coffee sh"), "A"},     // 3 days earlier, across a year
        {Line({2026, 1, 7}, -450, "Coffee Shop"), "N"},     // 4 days
        {Line({2026, 1, 3}, -451, "Coffee Shop"), "N"},     // another amount
        {Line({2026, 1, 3}, 450, "Coffee Shop"), "N"},      // money in
        {Line({2026, 1, 3}, -450, "Tea Room"), "N"},        // another payee
        {Line({2026, 1, 3}, -450, "Coffee Shop", "X"), "A"},  // a bank id meets a transaction entered by hand
    };
    for (const auto& [line, status] : cases)
        EXPECT_EQ(Statuses(PreviewStatement(document, 0, {.lines = {line}})), status) << line.payee;
    EXPECT_EQ(Statuses(PreviewStatement(document, 0, {.lines = {cases[0].line, cases[0].line}})), "AN");
}

TEST(StatementImport, KindByAccountTypeAndTheCategoryALineGets) {
    Document document;
    for (const char* name : {"None", "Food", "Pay"}) document.AddCategory(name);
    document.AddAccount({.type = AccountTypeCredit,
                         .transactions = {{1.0, KindIn, 1, 1, 2025, 1, 0, "Market"}, {1.0, KindIn, 2, 1, 2025, 2, 0, "market"},
                                          {1.0, KindIn, 1, 15, 2025, 1, 0, "MARKET"}}});
    const Statement statement{.lines = {Line({2026, 1, 1}, -100, "Market"), Line({2026, 1, 1}, 100, "Market", "", "food"),
                                        Line({2026, 1, 1}, -100, "Stranger", "", "Unknown")}};
    const std::vector<PreviewLine> lines = PreviewStatement(document, 0, statement);
    EXPECT_EQ(lines[0].transaction.kind, KindIn) << "a card purchase raises what is owed";
    EXPECT_EQ(lines[1].transaction.kind, KindOut);
    EXPECT_EQ(lines[0].transaction.amount, 1.0);
    EXPECT_EQ(lines[0].transaction.category, 2) << "the latest transaction of the payee";
    EXPECT_EQ(lines[1].transaction.category, 1) << "the category the line names";
    EXPECT_EQ(lines[2].transaction.category, 0);
    for (std::int32_t type : {AccountTypeBank, AccountTypeBudget, AccountTypeCash, AccountTypeOther}) {
        document.accounts[0].type = type;
        EXPECT_EQ(PreviewStatement(document, 0, statement)[0].transaction.kind, KindOut) << type;
    }
}

TEST(StatementImport, TickedLinesGoInDateOrderAndTheTotalsCountThem) {
    Document document = MakeSampleDocument();
    Account before = document.accounts[0];
    std::vector<PreviewLine> lines = PreviewStatement(
        document, 0, {.lines = {Line({2026, 3, 2}, -1000, "B"), Line({2026, 3, 1}, 2550, "A", "id"), Line({2026, 2, 1}, -1, "C")}});
    lines[2].ticked = false;
    EXPECT_EQ(TickedTotals(lines).count, 2);
    EXPECT_EQ(TickedTotals(lines).cents, 1550);
    ASSERT_TRUE(ImportPreviewLines(document, 0, lines));
    const auto& added = document.accounts[0].transactions;
    ASSERT_EQ(added.size(), before.transactions.size() + 2);
    EXPECT_EQ(added[added.size() - 2].payee.view(), "A");
    EXPECT_EQ(added.back().payee.view(), "B");
    EXPECT_EQ(document.accounts[0].bankIds, (std::vector<BankId>{{before.TransactionCount(), "id"}}));
    EXPECT_EQ(added.back().mark, MarkCleared);
}

TEST(StatementImport, TheStatementClosingIsKeptInTheSignOfTheAccountsBalance) {
    Statement statement{.ledgerBalance = StatementBalance{-5000, {2026, 2, 28}}};
    Account bank{.type = AccountTypeBank}, card{.type = AccountTypeCredit}, kept{.type = AccountTypeCash};
    KeepStatementClosing(bank, statement);
    KeepStatementClosing(card, statement);
    EXPECT_EQ(bank.lastStatement, (StatementClosing{-5000, {2026, 2, 28}}));
    EXPECT_EQ(card.lastStatement, (StatementClosing{5000, {2026, 2, 28}})) << "the card owes 50.00";
    kept.lastStatement = StatementClosing{1, {2026, 1, 1}};
    KeepStatementClosing(kept, {});
    EXPECT_EQ(kept.lastStatement, (StatementClosing{1, {2026, 1, 1}})) << "a statement without a balance keeps the last";
}

TEST(StatementImport, AccountForStatementAndTheClosingText) {
    const Document document = MakeSampleDocument();
    EXPECT_EQ(AccountForStatement(document, "123456"), 0) << "number 12-3456";
    EXPECT_EQ(AccountForStatement(document, "visa"), 1);
    EXPECT_EQ(AccountForStatement(document, ""), -1);
    EXPECT_EQ(AccountForStatement(document, "999"), -1);
    EXPECT_EQ(ImportDoneText(1, 0), "1 transaction was added.");
    EXPECT_EQ(ImportDoneText(3, 2), "3 transactions were added. 2 were already in the account and were skipped.");
}

TEST(StatementImport, ALargeAccountReadInTwoHalvesGivesWhatOnePassGives) {
    Document document;
    for (const char* name : {"None", "Early", "Late"}) document.AddCategory(name);
    Account account;
    account.transactions.assign(300'000, {1.0, KindOut, 5, 1, 2020, 0, 0, "Filler"});
    account.transactions[10] = {2.0, KindOut, 6, 1, 2024, 1, 0, "Shop"};
    account.transactions[250'000] = {2.0, KindOut, 6, 1, 2024, 2, 0, "Shop"};  // same date, later: wins
    account.transactions[299'999] = {7.0, KindOut, 1, 2, 2026, 0, 0, "Late payee"};
    document.AddAccount(std::move(account));
    const std::vector<PreviewLine> lines = PreviewStatement(
        document, 0, {.lines = {Line({2026, 1, 1}, -700, "Late payee"), Line({2026, 1, 1}, -100, "Shop")}});
    EXPECT_EQ(Statuses(lines), "AN");
    EXPECT_EQ(lines[1].transaction.category, 2);
}
