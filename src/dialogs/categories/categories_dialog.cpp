#include "dialogs/categories/categories_dialog.h"

#include "dialogs/categories/category_editors.h"
#include "dialogs/dialog_controls.h"
#include "model/rules/category_rules.h"
#include "model/history/document_changes.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

// What one opening of the dialog works on.
struct CategoriesContext {
    Document& document;
    History& history;  // every change is a step of its own
    MainWindowRefresh views;
};

Document& TheDocument(HWND dialog) { return DialogContext<CategoriesContext>(dialog).document; }

History& TheHistory(HWND dialog) { return DialogContext<CategoriesContext>(dialog).history; }

HWND CategoryList(HWND dialog) { return GetDlgItem(dialog, IDC_CATEGORY_LIST); }

void InsertRow(HWND dialog, int row, std::int32_t category) {
    SendMessageA(CategoryList(dialog), LB_INSERTSTRING, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(TheDocument(dialog).GetCategory(category).c_str()));
}

// The names and references other dialogs show have changed.
void RefreshAfterChange(HWND dialog) {
    if (!DialogContext<CategoriesContext>(dialog).views.fillTransactionList())
        ShowMessage(kErrorUpdatingTransactionList, dialog);
}

// The category of the selected row; 0, after saying so, when no row is selected.
std::int32_t SelectedCategory(HWND dialog) {
    const int row = static_cast<int>(SendMessageA(CategoryList(dialog), LB_GETCURSEL, 0, 0));
    const std::int32_t category = CategoryOnRow(TheDocument(dialog), row);
    if (category == 0) ShowMessage(kNoCategorySelected, dialog);
    return category;
}

bool OnInit(HWND dialog) {
    for (std::int32_t category = 1; category < TheDocument(dialog).CategoryCount(); ++category)
        InsertRow(dialog, -1, category);
    SendMessageA(CategoryList(dialog), LB_SETCURSEL, 0, 0);
    return true;
}

// "New" is the OK button: the new category is the last one.
void OnNew(HWND dialog) {
    DocumentHeads before = HeadsOf(TheDocument(dialog));
    if (ShowNewCategoryDialog(dialog, TheDocument(dialog)) != IDOK) return;
    TheHistory(dialog).Record(HeadsStep("New Category", std::move(before), TheDocument(dialog)));
    InsertRow(dialog, -1, TheDocument(dialog).CategoryCount() - 1);
}

// The row keeps its place; no row is selected afterwards.
void OnEdit(HWND dialog) {
    const std::int32_t category = SelectedCategory(dialog);
    if (category == 0) return;
    DocumentHeads before = HeadsOf(TheDocument(dialog));
    if (ShowEditCategoryDialog(dialog, TheDocument(dialog), category) != IDOK) return;
    TheHistory(dialog).Record(HeadsStep("Rename Category", std::move(before), TheDocument(dialog)));
    const int row = category - 1;
    SendMessageA(CategoryList(dialog), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    InsertRow(dialog, row, category);
    RefreshAfterChange(dialog);
}

void OnDelete(HWND dialog) {
    const std::int32_t category = SelectedCategory(dialog);
    if (category == 0 || ShowMessage(kDeleteCategoryQuestion, dialog) != IDYES) return;
    std::optional<Step> deleted = DeleteCategory(TheDocument(dialog), category);
    if (!deleted) {
        ShowMessage(kErrorUpdatingTransactionList, dialog);
        return;
    }
    TheHistory(dialog).Record(std::move(*deleted));
    SendMessageA(CategoryList(dialog), LB_DELETESTRING, static_cast<WPARAM>(category - 1), 0);
    RefreshAfterChange(dialog);
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_EDIT_CATEGORY:
        OnEdit(dialog);
        return true;
    case IDC_DELETE_CATEGORY:
        OnDelete(dialog);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowCategoriesDialog(HWND owner, Document& document, History& history, const MainWindowRefresh& views) {
    CategoriesContext context{document, history, views};
    return RunDialog(owner, IDD_CATEGORIES, {.init = OnInit, .ok = OnNew, .command = OnCommand}, &context);
}
