#include "dialogs/categories/category_editors.h"

#include "dialogs/dialog_controls.h"
#include "model/rules/category_rules.h"
#include "resources/resource.h"

namespace {

constexpr std::int32_t kNewCategory = -1;

// What one opening of either dialog works on.
struct CategoryEditing {
    Document& document;
    std::int32_t edited;  // the category edited, or kNewCategory
};

const CategoryEditing& Editing(HWND dialog) { return DialogContext<const CategoryEditing>(dialog); }

bool OnInit(HWND dialog) {
    const CategoryEditing& editing = Editing(dialog);
    if (editing.edited != kNewCategory)
        SetDlgItemTextA(dialog, IDC_CATEGORY_NAME, editing.document.GetCategory(editing.edited).c_str());
    return true;
}

void OnOk(HWND dialog) {
    const CategoryEditing& editing = Editing(dialog);
    const std::string name = ControlText(dialog, IDC_CATEGORY_NAME);
    ApplyOutcome(dialog, editing.edited == kNewCategory ? AddNewCategory(editing.document, name)
                                                        : RenameCategory(editing.document, editing.edited, name));
}

INT_PTR ShowCategoryEditor(HWND owner, int templateId, CategoryEditing editing) {
    return RunDialog(owner, templateId, {.init = OnInit, .ok = OnOk}, &editing);
}

}  // namespace

INT_PTR ShowNewCategoryDialog(HWND owner, Document& document) {
    return ShowCategoryEditor(owner, IDD_NEW_CATEGORY, {document, kNewCategory});
}

INT_PTR ShowEditCategoryDialog(HWND owner, Document& document, std::int32_t category) {
    // "None" is never renamed.
    if (category < 1 || document.FindCategory(category) == nullptr) return IDCANCEL;
    return ShowCategoryEditor(owner, IDD_EDIT_CATEGORY, {document, category});
}
