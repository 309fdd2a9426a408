#include "dialogs/file/options_dialog.h"

#include <commctrl.h>

#include "dialogs/dialog_controls.h"
#include "model/dates.h"
#include "model/program_values.h"
#include "resources/resource.h"
#include "shell/file_dialogs.h"

namespace {

// The copies' boxes mean something only while copies are kept.
void EnableCopyBoxes(HWND dialog) {
    const bool keep = IsDlgButtonChecked(dialog, IDC_KEEP_DATED_COPIES) == BST_CHECKED;
    for (const int control : {IDC_COPIES_TO_KEEP, IDC_COPIES_SPIN, IDC_DATED_COPY_FOLDER, IDC_BROWSE_DATED_COPY_FOLDER})
        EnableWindow(GetDlgItem(dialog, control), keep);
}

bool OnInit(HWND dialog) {
    const Options& options = DialogContext<Options>(dialog);
    CheckRadioButton(dialog, IDC_DATE_AMERICAN, IDC_DATE_EUROPEAN,
                     IsAmericanDateFormat(options.dateFormat) ? IDC_DATE_AMERICAN : IDC_DATE_EUROPEAN);
    const DatedCopySettings& copies = options.datedCopies;
    CheckDlgButton(dialog, IDC_KEEP_DATED_COPIES, copies.keep ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_COPIES_TO_KEEP, EM_LIMITTEXT, 3, 0);
    SendDlgItemMessageA(dialog, IDC_COPIES_SPIN, UDM_SETRANGE32, 1, kMostDatedCopies);
    SendDlgItemMessageA(dialog, IDC_COPIES_SPIN, UDM_SETPOS32, 0, copies.count);
    SendDlgItemMessageA(dialog, IDC_DATED_COPY_FOLDER, EM_LIMITTEXT, kMaxPathLength, 0);
    SetDlgItemTextA(dialog, IDC_DATED_COPY_FOLDER, copies.folder.c_str());
    EnableCopyBoxes(dialog);
    return true;
}

void OnOk(HWND dialog) {
    const OptionsFields fields{IsDlgButtonChecked(dialog, IDC_DATE_AMERICAN) == BST_CHECKED,
                               IsDlgButtonChecked(dialog, IDC_KEEP_DATED_COPIES) == BST_CHECKED,
                               ControlText(dialog, IDC_COPIES_TO_KEEP), ControlText(dialog, IDC_DATED_COPY_FOLDER)};
    ApplyOutcome(dialog, ApplyOptions(fields, IDC_COPIES_TO_KEEP, DialogContext<Options>(dialog)));
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_KEEP_DATED_COPIES:
        EnableCopyBoxes(dialog);
        return true;
    case IDC_BROWSE_DATED_COPY_FOLDER: {
        const std::string folder = ChooseFolder(dialog, "Select the folder of the dated copies...");
        if (!folder.empty()) SetDlgItemTextA(dialog, IDC_DATED_COPY_FOLDER, folder.c_str());
        return true;
    }
    }
    return false;
}

}  // namespace

INT_PTR ShowOptionsDialog(HWND owner, Options& options) {
    Options chosen = options;
    const INT_PTR result = RunDialog(owner, IDD_OPTIONS, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &chosen);
    if (result == IDOK) options = chosen;
    return result;
}
