#include "dialogs/options_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/dates.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_DATE_AMERICAN, IDC_DATE_EUROPEAN,
                     IsAmericanDateFormat(Program.DateFormat) ? IDC_DATE_AMERICAN : IDC_DATE_EUROPEAN);
    return true;
}

void OnOk(HWND dialog) {
    const bool american = IsDlgButtonChecked(dialog, IDC_DATE_AMERICAN) == BST_CHECKED;
    Program.DateFormat = american ? kDateFormatAmerican : kDateFormatEuropean;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR ShowOptionsDialog(HWND owner) { return RunDialog(owner, IDD_OPTIONS, {.init = OnInit, .ok = OnOk}); }
