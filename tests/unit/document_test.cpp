#include <climits>
#include <set>

#include "model/tables/accounts_list.h"
#include "model/rules/category_rules.h"
#include "model/lists.h"
#include "model/file/new_file.h"
#include "test_files.h"

namespace {

BillDeposit BillFor(std::int32_t account, std::int32_t category, const char* payee) {
    return {BillKind, 1.0, 1, 1, 2020, category, 0, payee, "", OccurrenceOnce, account};
}

Document Listed() {
    Document document;
    for (const char* name : {"None", "Bills", "Caf\xE9", "Rent"}) document.AddCategory(name);
    return document;
}

const RuleOutcome kUsed = StaysOpen(&kCategoryNameUsed, IDC_CATEGORY_NAME);

}  // namespace

TEST(Document, ListsRemoveInPlaceAndFindOnlyInside) {
    Document document;
    Account account;
    for (const char* name : {"a", "b", "c"})
        ASSERT_TRUE(document.AddCategory(name) && document.AddBillDeposit(BillFor(0, 0, name)) &&
                    document.AddAccount({.name = name}) && account.AddTransaction({.payee = name}));
    // Files and the program-wide indexes may carry any number.
    EXPECT_EQ(document.FindCategory(1)->view(), "b");
    EXPECT_EQ(document.FindAccount(2)->name.view(), "c");
    EXPECT_EQ(account.FindTransaction(2)->payee.view(), "c");
    EXPECT_EQ(AccountOnRow(document, 1), 1);
    for (std::int32_t outside : {-1, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(document.FindCategory(outside), nullptr);
        EXPECT_EQ(document.FindAccount(outside), nullptr);
        EXPECT_EQ(std::as_const(document).FindAccount(outside), nullptr);
        EXPECT_EQ(account.FindTransaction(outside), nullptr);
        EXPECT_EQ(AccountOnRow(document, outside), -1);  // "No account is selected."
    }
    document.RemoveBillDeposit(0);
    account.RemoveTransaction(1);
    EXPECT_EQ(document.billDeposits, (std::vector{BillFor(0, 0, "b"), BillFor(0, 0, "c")}));
    EXPECT_EQ(account.transactions, (std::vector<Transaction>{{.payee = "a"}, {.payee = "c"}}));
}

TEST(Lists, APositionIsKeptOnlyInsideTheList) {
    const struct { std::int64_t position, count; std::int32_t expected; } cases[] = {
        {0, 1, 0}, {2, 3, 2}, {3, 3, -1}, {-1, 3, -1}, {0, 0, -1}, {INT_MAX, INT_MAX, -1}, {INT64_MIN, 5, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionInList(c.position, c.count), c.expected) << c.position << " of " << c.count;
}

TEST(Document, DeleteCategoryRenumbersEveryReference) {
    Document document;
    for (const char* name : {"None", "One", "Two", "Three", "Four"}) document.AddCategory(name);
    const std::int32_t before[] = {0, 1, 2, 3, 4, 40, -1};
    const std::int32_t after[] = {0, 1, 2, 0, 3, 39, -1};
    Account account;
    for (std::int32_t category : before) account.AddTransaction({.category = category});
    document.accounts = {account, account};
    for (std::int32_t category : before) document.AddBillDeposit(BillFor(0, category, ""));

    document.DeleteCategory(3);

    ASSERT_EQ(document.CategoryCount(), 4);
    EXPECT_EQ(document.GetCategory(3).view(), "Four");
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("category was " + std::to_string(before[i]));
        EXPECT_EQ(document.GetAccount(0).GetTransaction(i).category, after[i]);
        EXPECT_EQ(document.GetAccount(1).GetTransaction(i).category, after[i]);
        EXPECT_EQ(document.GetBillDeposit(i).category, after[i]);
    }
}

TEST(Document, DeleteAccountDropsItsBillsRenumbersAndKeepsTheSameAccountCurrent) {
    // The current account before and after deleting account 1.
    for (auto [current, expected] : {std::pair{1, -1}, {2, 1}, {0, 0}, {-1, -1}}) {
        SCOPED_TRACE("current account " + std::to_string(current));
        Document document;
        for (const char* name : {"A", "B", "C"}) document.AddAccount({.name = name});
        for (auto [account, payee] : {std::pair{1, "b1"}, {0, "a"}, {2, "c"}, {1, "b2"}, {2, "c2"}})
            document.AddBillDeposit(BillFor(account, 0, payee));

        // The Accounts dialog's Delete says whether the current account went.
        Document viaRow = document;
        History history;
        const AccountDeletion deletion = DeleteAccountOnRow(viaRow, 1, current, history);
        EXPECT_EQ(*history.UndoName(), "Delete Account");
        EXPECT_EQ(deletion.currentDeleted, current == 1);
        EXPECT_EQ(deletion.current, expected);
        document.DeleteAccount(1, current);
        EXPECT_EQ(current, expected);
        EXPECT_EQ(viaRow, document);

        EXPECT_EQ(document.accounts, (std::vector<Account>{{.name = "A"}, {.name = "C"}}));
        EXPECT_EQ(document.billDeposits, (std::vector{BillFor(0, 0, "a"), BillFor(1, 0, "c"), BillFor(1, 0, "c2")}));
    }
}

TEST(NewFile, DefaultCategoriesOnlyWithNoneFirst) {
    Document document = MakeSampleDocument();
    ASSERT_TRUE(NewFileSetup(document));
    ASSERT_TRUE(NewFileSetup(document));  // twice in a row: not the categories twice
    Document expected;
    for (const char* name : kDefaultCategories) expected.AddCategory(name);
    EXPECT_EQ(document, expected);
    EXPECT_EQ(document.GetCategory(0).view(), "None");  // what category 0 of every reference means
}

TEST(ExampleFile, LoadsWithEveryAccountTypeAndConsistentReferences) {
    Document document;
    ASSERT_TRUE(document.Load(PENNYWHIST_EXAMPLE_FILE));
    ASSERT_EQ(document.CategoryCount(), 21);
    EXPECT_GT(document.BillDepositCount(), 0);

    std::set<std::int32_t> types;
    for (const Account& account : document.accounts) {
        types.insert(account.type);
        EXPECT_FALSE(account.transactions.empty()) << account.name.c_str();
        for (const Transaction& t : account.transactions) EXPECT_NE(document.FindCategory(t.category), nullptr);
    }
    EXPECT_EQ(types, (std::set<std::int32_t>{AccountTypeBank, AccountTypeCredit, AccountTypeBudget, AccountTypeCash,
                                             AccountTypeOther}));
    for (const BillDeposit& b : document.billDeposits) {
        EXPECT_NE(document.FindAccount(b.account), nullptr);
        EXPECT_NE(document.FindCategory(b.category), nullptr);
    }
}

TEST(CategoryRules, NewAndRenamedNamesAreCheckedThenCutTo30) {
    const std::string long31 = std::string(30, 'x') + "y";
    const struct { std::int32_t renamed; std::string typed; RuleOutcome outcome; const char* stored; } cases[] = {
        // New Category (renamed 0): a name, not starting with a blank, unique ignoring case from "Bills" on.
        {0, "", StaysOpen(&kEnterNewCategoryName, IDC_CATEGORY_NAME, true), nullptr},
        {0, " Gifts", StaysOpen(&kEnterNewCategoryName, IDC_CATEGORY_NAME, true), nullptr},
        {0, "bILLS", kUsed, nullptr}, {0, "CAF\xC9", kUsed, nullptr},
        {0, "none", Ends(DialogEnd::Changed), "none"},  // "None" is not compared
        {0, "Gifts  ", Ends(DialogEnd::Changed), "Gifts  "}, {0, long31, Ends(DialogEnd::Changed), long31.c_str()},
        // Edit Category of "Bills": the same checks, its own name in another case allowed.
        {1, "", StaysOpen(&kEnterCategoryName, IDC_CATEGORY_NAME, true), nullptr},
        {1, "rent", kUsed, nullptr}, {1, "BILLS", Ends(DialogEnd::Changed), "BILLS"},
        {1, "None", Ends(DialogEnd::Changed), "None"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Document document = Listed();
        const RuleOutcome outcome =
            c.renamed == 0 ? AddNewCategory(document, c.typed) : RenameCategory(document, c.renamed, c.typed);
        EXPECT_EQ(outcome, c.outcome);
        Document expected = Listed();
        if (c.stored != nullptr && c.renamed == 0) expected.AddCategory(Text31(c.stored));
        if (c.stored != nullptr && c.renamed != 0) expected.GetCategory(c.renamed) = Text31(c.stored);
        EXPECT_EQ(document, expected);  // a refusal changes nothing; 30 characters at most are kept
    }
}

TEST(CategoryRules, AFileWithoutCategoriesGetsNoneBeforeTheNewOne) {
    Document document;
    EXPECT_EQ(AddNewCategory(document, "Bills"), Ends(DialogEnd::Changed));
    EXPECT_EQ(document.categories, (std::vector<Text31>{"None", "Bills"}));
}

TEST(CategoryRules, RowsStandForTheCategoriesAfterNone) {
    const Document document = Listed();
    const std::pair<int, std::int32_t> rows[] = {{0, 1}, {2, 3}, {3, 0}, {-1, 0}, {INT32_MIN, 0}};
    for (const auto& [row, category] : rows) EXPECT_EQ(CategoryOnRow(document, row), category) << row;
    EXPECT_EQ(CategoryOnRow(Document{}, 0), 0);  // only "None", or nothing: no row
}
