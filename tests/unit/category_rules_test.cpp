// The category rules: the name checks of New and Edit Category, what they
// change, and which category a row of the list stands for.

#include "model/category_rules.h"
#include "test_files.h"

namespace {

Document Listed() {
    Document document;
    for (const char* name : {"None", "Bills", "Caf\xE9", "Rent"}) document.AddCategory(name);
    return document;
}

const RuleOutcome kUsed = StaysOpen(&kCategoryNameUsed, IDC_CATEGORY_NAME);

}  // namespace

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
