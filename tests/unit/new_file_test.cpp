// A new file: everything cleared and the default categories in place.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/new_file.h"
#include "test_files.h"

namespace {

std::vector<std::string> CategoryNames(const Document& document) {
    std::vector<std::string> names;
    for (const Text31& category : document.categories) names.emplace_back(category.view());
    return names;
}

}  // namespace

TEST(NewFile, EmptiesTheDocumentAndAddsTheDefaultCategories) {
    Document document = MakeSampleDocument();
    document.AddCategory(Text31("Extra"));
    ASSERT_TRUE(NewFileSetup(document));
    EXPECT_TRUE(document.password.empty());
    EXPECT_EQ(document.BillDepositCount(), 0);
    EXPECT_EQ(document.AccountCount(), 0);
    EXPECT_EQ(CategoryNames(document), DefaultCategoryNames());

    // Twice in a row gives the same, not the categories twice.
    ASSERT_TRUE(NewFileSetup(document));
    EXPECT_EQ(document.CategoryCount(), 21);

    Document fresh;
    ASSERT_TRUE(NewFileSetup(fresh));
    EXPECT_EQ(fresh, document);
}

TEST(NewFile, SavesAs708BytesAndLoadsBack) {
    ScratchDir dir;
    Document document = MakeSampleDocument();
    ASSERT_TRUE(NewFileSetup(document));
    const std::string path = dir.File("New.pwf");
    ASSERT_TRUE(document.Save(path));
    EXPECT_EQ(ReadBytes(path).size(), 708u);

    Document loaded = MakeSampleDocument();
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded, document);
}
