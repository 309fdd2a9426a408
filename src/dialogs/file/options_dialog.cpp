#include "dialogs/file/options_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/dates.h"
#include "resources/resource.h"

namespace {

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_DATE_AMERICAN, IDC_DATE_EUROPEAN,
                     IsAmericanDateFormat(DialogContext<std::int32_t>(dialog)) ? IDC_DATE_AMERICAN : IDC_DATE_EUROPEAN);
    return true;
}

void OnOk(HWND dialog) {
    const bool american = IsDlgButtonChecked(dialog, IDC_DATE_AMERICAN) == BST_CHECKED;
    DialogContext<std::int32_t>(dialog) = american ? kDateFormatAmerican : kDateFormatEuropean;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR ShowOptionsDialog(HWND owner, std::int32_t& dateFormat) {
    std::int32_t chosen = dateFormat;
    const INT_PTR result = RunDialog(owner, IDD_OPTIONS, {.init = OnInit, .ok = OnOk}, &chosen);
    if (result == IDOK) dateFormat = chosen;
    return result;
}
