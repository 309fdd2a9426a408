#include "dialogs/categories_dialog.h"

#include "dialogs/category_editors.h"
#include "dialogs/dialog_controls.h"
#include "model/category_rules.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

HWND CategoryList(HWND dialog) { return GetDlgItem(dialog, IDC_CATEGORY_LIST); }

void InsertRow(HWND dialog, int row, std::int32_t category) {
    SendMessageA(CategoryList(dialog), LB_INSERTSTRING, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(Program.document.GetCategory(category).c_str()));
}

// The names and references other dialogs show have changed.
void RefreshAfterChange(HWND dialog) {
    if (!DialogContext<const MainWindowRefresh>(dialog).fillTransactionList())
        ShowMessage(kErrorUpdatingTransactionList, dialog);
}

// The category of the selected row into SelectedCategoryIndex; false, after
// saying so, when no row is selected.
bool TakeSelectedCategory(HWND dialog) {
    const int row = static_cast<int>(SendMessageA(CategoryList(dialog), LB_GETCURSEL, 0, 0));
    Program.SelectedCategoryIndex = CategoryOnRow(Program.document, row);
    if (Program.SelectedCategoryIndex != 0) return true;
    ShowMessage(kNoCategorySelected, dialog);
    return false;
}

bool OnInit(HWND dialog) {
    for (std::int32_t category = 1; category < Program.document.CategoryCount(); ++category)
        InsertRow(dialog, -1, category);
    SendMessageA(CategoryList(dialog), LB_SETCURSEL, 0, 0);
    return true;
}

// "New" is the OK button: the new category is the last one.
void OnNew(HWND dialog) {
    if (ShowNewCategoryDialog(dialog) != IDOK) return;
    InsertRow(dialog, -1, Program.document.CategoryCount() - 1);
}

// The row keeps its place; no row is selected afterwards.
void OnEdit(HWND dialog) {
    if (!TakeSelectedCategory(dialog) || ShowEditCategoryDialog(dialog) != IDOK) return;
    const int row = Program.SelectedCategoryIndex - 1;
    SendMessageA(CategoryList(dialog), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    InsertRow(dialog, row, Program.SelectedCategoryIndex);
    RefreshAfterChange(dialog);
}

void OnDelete(HWND dialog) {
    if (!TakeSelectedCategory(dialog) || ShowMessage(kDeleteCategoryQuestion, dialog) != IDYES) return;
    Program.document.DeleteCategory(Program.SelectedCategoryIndex);
    SendMessageA(CategoryList(dialog), LB_DELETESTRING, static_cast<WPARAM>(Program.SelectedCategoryIndex - 1), 0);
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

INT_PTR ShowCategoriesDialog(HWND owner, const MainWindowRefresh& views) {
    MainWindowRefresh refresh = views;
    return RunDialog(owner, IDD_CATEGORIES, {.init = OnInit, .ok = OnNew, .command = OnCommand},
                     &refresh);
}
