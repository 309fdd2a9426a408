#include "model/rules/category_rules.h"

#include <algorithm>
#include <string>

#include "model/case_folding.h"
#include "model/lists.h"
#include "model/typed_text.h"
#include "resources/resource.h"

namespace {

// The name a box gives: its first 30 characters.
std::string_view NameOf(std::string_view typed) { return typed.substr(0, Text31::kCapacity); }

// Whether a listed category other than `except` has the name, ignoring case.
bool NameUsed(const Document& document, std::string_view name, std::int32_t except) {
    const std::vector<Text31>& categories = document.categories;
    const auto listed = categories.begin() + std::min<std::ptrdiff_t>(1, document.CategoryCount());  // not "None"
    return NameUsedByOther(listed, categories.end(), categories.begin() + except, name, std::identity());
}

}  // namespace

std::int32_t CategoryOnRow(const Document& document, int row) {
    // Category 0 is never on a row, so it can stand for none.
    const std::int32_t category = PositionInList(std::int64_t{row} + 1, document.CategoryCount());
    return category > 0 ? category : 0;
}

RuleOutcome AddNewCategory(Document& document, std::string_view typed) {
    const std::string_view name = NameOf(typed);
    if (IsMissingText(name)) return Refused(kEnterNewCategoryName, IDC_CATEGORY_NAME, true);
    if (NameUsed(document, name, 0)) return Refused(kCategoryNameUsed, IDC_CATEGORY_NAME);
    if (document.CategoryCount() == 0 && !document.AddCategory("None")) return Failed(kErrorAddingCategory);
    if (!document.AddCategory(name)) return Failed(kErrorAddingCategory);
    return Accepted();
}

RuleOutcome RenameCategory(Document& document, std::int32_t index, std::string_view typed) {
    const std::string_view name = NameOf(typed);
    if (IsMissingText(name)) return Refused(kEnterCategoryName, IDC_CATEGORY_NAME, true);
    if (NameUsed(document, name, index)) return Refused(kCategoryNameUsed, IDC_CATEGORY_NAME);
    document.GetCategory(index).Set(name);
    return Accepted();
}
