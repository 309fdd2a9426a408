#include "model/file/new_file.h"
#include "model/rules/transaction_editor_rules.h"
#include "test_files.h"

namespace {

constexpr Date kToday{2026, 3, 20};

Transaction Numbered(std::int32_t number) { return {.number = number}; }

TransactionFields Filled(const char* amount) { return {amount, 1, {2026, 2, 28}, 2, "104", "Corner Market", "Weekly"}; }

}  // namespace

TEST(TransactionEditorRules, ARefusedAmountChangesNothing) {
    // The amount is read as every amount box is; Edit below stores one.
    const RuleOutcome refusal = StaysOpen(&kInvalidAmount, IDC_TRANSACTION_AMOUNT);
    Account account;
    account.AddTransaction(Numbered(7));
    const Account before = account;
    EXPECT_EQ(AddTransactionFromFields(account, Filled("12$")), refusal);
    EXPECT_EQ(ReplaceTransactionFromFields(account, 0, Filled("-5")), refusal);
    EXPECT_EQ(account, before);
}

TEST(TransactionEditorRules, NumberFieldIsAnUnsignedWholeNumber) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0}, {"007", 7}, {"4294967295", -1}, {"4294967296", 0}, {"12a", 0}, {"-5", 0}};
    for (auto [text, number] : cases) EXPECT_EQ(ReadNumberField(text), number) << text;
    EXPECT_EQ(NumberTextOf(-1), "4294967295");
}

TEST(TransactionEditorRules, NewTransactionPresetsByAccount) {
    // Numbers of the account's transactions in storage order, and the presets: the
    // second kind ("Withdrawal", "Spend"), except "Charge" in a Credit account.
    const struct { std::int32_t type; std::vector<std::int32_t> numbers; int kind; const char* number; } cases[] = {
        {AccountTypeBank, {}, 1, "1"},
        {AccountTypeCredit, {3, 900, 57}, 0, "58"},  // the last one stored, not the largest
        {AccountTypeBudget, {57, 0}, 1, "1"},        // an opening entry is number 0
        {AccountTypeCash, {-1}, 1, "0"},             // the largest number wraps
    };
    Document document;
    NewFileSetup(document);
    for (const auto& c : cases) {
        Account account{.type = c.type};
        for (std::int32_t number : c.numbers) account.AddTransaction(Numbered(number));
        const TransactionFields fields = NewTransactionFields(document, account, kToday);
        EXPECT_EQ(std::tie(fields.kind, fields.number, fields.date, fields.category),
                  std::tuple(c.kind, c.number, kToday, 0)) << c.type;
    }
}

TEST(TransactionEditorRules, EditShowsTheTransactionAndOkWritesItInPlace) {
    Document document;
    NewFileSetup(document);
    Transaction transaction{.amount = 1234.5, .kind = 5, .category = 1, .number = 102};
    TransactionFields fields = EditTransactionFields(document, transaction);
    // Any nonzero kind is the second choice.
    EXPECT_EQ(std::tie(fields.amount, fields.kind, fields.category, fields.number), std::tuple("1234.50", 1, 1, "102"));
    for (std::int32_t outside : {-1, document.CategoryCount()}) {
        transaction.category = outside;
        EXPECT_EQ(EditTransactionFields(document, transaction).category, -1) << outside;
    }

    // OK rewrites the one transaction where it is stored; no category is stored as -1.
    Account account;
    for (std::int32_t number : {1, 2, 3}) account.AddTransaction(Numbered(number));
    fields = Filled("1,234.50");
    fields.payee = std::string(40, 'p');
    fields.category = -1;
    EXPECT_EQ(ReplaceTransactionFromFields(account, 1, fields), Ends(DialogEnd::Changed));
    EXPECT_EQ(account.GetTransaction(1),
              (Transaction{1234.5, 1, 2, 28, 2026, -1, 104, std::string_view(std::string(30, 'p')), "Weekly"}));
    EXPECT_EQ(account.GetTransaction(2), Numbered(3));
    EXPECT_EQ(account.TransactionCount(), 3);
}

TEST(TransactionEditorRules, AnEditKeepsTheMarkUnlessAReconciledAmountKindOrDateChanges) {
    // Filled("12.00") is 12.00 out on 02/28/2026.
    const Transaction stored{12.0, 1, 2, 28, 2026, 2, 104, "Corner Market", "Weekly"};
    const struct {
        std::uint8_t mark;
        const char* amount;
        std::uint8_t after;
    } cases[] = {
        {MarkReconciled, "12.00", MarkReconciled}, {MarkReconciled, "12.50", MarkUncleared},
        {MarkCleared, "12.50", MarkCleared},       {MarkUncleared, "12.00", MarkUncleared},
    };
    for (const auto& c : cases) {
        Account account;
        account.AddTransaction(stored);
        account.GetTransaction(0).mark = c.mark;
        TransactionFields fields = Filled(c.amount);
        fields.memo = "Edited";
        ASSERT_EQ(ReplaceTransactionFromFields(account, 0, fields), Ends(DialogEnd::Changed));
        EXPECT_EQ(account.GetTransaction(0).mark, c.after) << int(c.mark) << " " << c.amount;
    }
}
