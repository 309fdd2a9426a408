#include "dialogs/summaries/month_summary_dialog.h"

#include <commctrl.h>

#include "dialogs/dialog_controls.h"
#include "dialogs/summaries/summary_table.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

const SummarySubject& Subject(HWND dialog) { return DialogContext<SummaryContext>(dialog).subject; }

// The picker starts at today, the control's own default.
bool OnInit(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_SUMMARY_MONTH, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("MMMM, yyyy"));
    CreateSummaryColumns(dialog, kMonthSummaryColumns);
    return true;
}

// "Generate Summary" is the OK button; the picker's day does not matter.
void OnGenerate(HWND dialog) {
    const Date picked = PickerDate(dialog, IDC_SUMMARY_MONTH);
    const SummarySubject& subject = Subject(dialog);
    ShowSummaryRows(dialog, MonthSummaryRows(subject.account, picked.month, picked.year));
    EnableSummaryButtons(dialog);
}

bool OnCommand(HWND dialog, int control) { return OnSummaryButton(dialog, control, " - Summary by Month"); }

}  // namespace

INT_PTR ShowMonthSummaryDialog(HWND owner, SummarySubject subject) {
    SummaryContext context{subject, {}};
    return RunDialog(owner, IDD_SUMMARY_BY_MONTH,
                     {.init = OnInit, .ok = OnGenerate, .command = OnCommand, .notify = OnSummaryTableNotify},
                     &context);
}
