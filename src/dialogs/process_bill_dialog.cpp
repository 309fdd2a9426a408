#include "dialogs/process_bill_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/bill_rules.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/program.h"

namespace {

const BillDeposit& Processed() { return Program.document.GetBillDeposit(Program.SelectedBillIndex); }

bool OnInit(HWND dialog) {
    PlaceAtOwnersCorner(dialog);
    const ProcessFields fields = ProcessBillFields(Program.document, Processed());
    SetDlgItemTextA(dialog, IDC_BILL_AMOUNT, fields.amount.c_str());
    SetPickerDate(dialog, IDC_BILL_DATE, fields.date);
    FillCategoryList(dialog, IDC_BILL_CATEGORY, fields.category);
    SetDlgItemTextA(dialog, IDC_BILL_NUMBER, fields.number.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_PAYEE, fields.payee.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_MEMO, fields.memo.c_str());
    FillAccountList(dialog, IDC_BILL_ACCOUNT, fields.account);
    return true;
}

void OnOk(HWND dialog) {
    ProcessFields fields;
    fields.amount = ControlText(dialog, IDC_BILL_AMOUNT);
    fields.date = PickerDate(dialog, IDC_BILL_DATE);
    fields.category = DropDownChoice(dialog, IDC_BILL_CATEGORY);
    fields.number = ControlText(dialog, IDC_BILL_NUMBER);
    fields.payee = ControlText(dialog, IDC_BILL_PAYEE);
    fields.memo = ControlText(dialog, IDC_BILL_MEMO);
    fields.account = DropDownChoice(dialog, IDC_BILL_ACCOUNT);
    ApplyOutcome(dialog, ProcessBillDeposit(Program.document, Processed(), fields));
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpTopic(dialog, kHelpBillsDeposits);
    return true;
}

}  // namespace

INT_PTR ShowProcessBillDepositDialog(HWND owner) {
    if (Program.document.FindBillDeposit(Program.SelectedBillIndex) == nullptr) return IDCANCEL;
    return RunDialog(owner, IDD_PROCESS_BILL_DEPOSIT, {.init = OnInit, .ok = OnOk, .command = OnCommand});
}
