#include "dialogs/summaries/category_summary_dialog.h"

#include <vector>

#include "dialogs/dialog_controls.h"
#include "dialogs/summaries/summary_table.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

const SummarySubject& Subject(HWND dialog) { return DialogContext<SummaryContext>(dialog).subject; }

HWND CategoryList(HWND dialog) { return GetDlgItem(dialog, IDC_SUMMARY_CATEGORIES); }

// Row i of the list box is category i, "None" included.
bool OnInit(HWND dialog) {
    for (const Text31& name : Subject(dialog).document.categories)
        SendMessageA(CategoryList(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    CreateSummaryColumns(dialog, kCategorySummaryColumns);
    return true;
}

std::vector<std::int32_t> SelectedCategories(HWND dialog) {
    const int count = static_cast<int>(SendMessageA(CategoryList(dialog), LB_GETSELCOUNT, 0, 0));
    std::vector<int> rows(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!rows.empty())
        SendMessageA(CategoryList(dialog), LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    return std::vector<std::int32_t>(rows.begin(), rows.end());
}

// "Generate Summary" is the OK button.
void OnGenerate(HWND dialog) {
    const std::vector<std::int32_t> categories = SelectedCategories(dialog);
    if (const Message* refusal = CategorySummaryRefusal(categories)) {
        ShowSummaryRows(dialog, {});
        ShowMessage(*refusal, dialog);
        return;
    }
    const SummarySubject& subject = Subject(dialog);
    ShowSummaryRows(dialog, CategorySummaryRows(subject.document, subject.account, categories));
    EnableSummaryButtons(dialog);
}

bool OnCommand(HWND dialog, int control) { return OnSummaryButton(dialog, control, " - Summary by Category"); }

}  // namespace

INT_PTR ShowCategorySummaryDialog(HWND owner, SummarySubject subject) {
    SummaryContext context{subject, {}};
    return RunDialog(owner, IDD_SUMMARY_BY_CATEGORY,
                     {.init = OnInit, .ok = OnGenerate, .command = OnCommand, .notify = OnSummaryTableNotify},
                     &context);
}
