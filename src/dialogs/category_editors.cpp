#include "dialogs/category_editors.h"

#include "dialogs/dialog_controls.h"
#include "model/category_rules.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

constexpr std::int32_t kNewCategory = -1;

// The category edited, or kNewCategory.
std::int32_t Edited(HWND dialog) { return DialogContext<std::int32_t>(dialog); }

bool OnInit(HWND dialog) {
    if (Edited(dialog) != kNewCategory)
        SetDlgItemTextA(dialog, IDC_CATEGORY_NAME, Program.document.GetCategory(Edited(dialog)).c_str());
    return true;
}

void OnOk(HWND dialog) {
    const std::string name = ControlText(dialog, IDC_CATEGORY_NAME);
    ApplyOutcome(dialog, Edited(dialog) == kNewCategory ? AddNewCategory(Program.document, name)
                                                        : RenameCategory(Program.document, Edited(dialog), name));
}

INT_PTR ShowCategoryEditor(HWND owner, int templateId, std::int32_t edited) {
    return RunDialog(owner, templateId, {.init = OnInit, .ok = OnOk}, &edited);
}

}  // namespace

INT_PTR ShowNewCategoryDialog(HWND owner) { return ShowCategoryEditor(owner, IDD_NEW_CATEGORY, kNewCategory); }

INT_PTR ShowEditCategoryDialog(HWND owner) {
    const std::int32_t index = Program.SelectedCategoryIndex;
    // "None" is never renamed.
    if (index < 1 || Program.document.FindCategory(index) == nullptr) return IDCANCEL;
    return ShowCategoryEditor(owner, IDD_EDIT_CATEGORY, index);
}
