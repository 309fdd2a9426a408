#include "dialogs/bills/process_bill_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/rules/bill_rules.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"

namespace {

// What one opening of the dialog works on.
struct Processing {
    Document& document;
    std::int32_t bill;
    std::int32_t chosenAccount = -1;
};

Processing& Subject(HWND dialog) { return DialogContext<Processing>(dialog); }

const BillDeposit& Processed(HWND dialog) { return Subject(dialog).document.GetBillDeposit(Subject(dialog).bill); }

bool OnInit(HWND dialog) {
    PlaceAtOwnersCorner(dialog);
    const Document& document = Subject(dialog).document;
    const ProcessFields fields = ProcessBillFields(document, Processed(dialog));
    SetDlgItemTextA(dialog, IDC_BILL_AMOUNT, fields.amount.c_str());
    SetPickerDate(dialog, IDC_BILL_DATE, fields.date);
    FillCategoryList(dialog, IDC_BILL_CATEGORY, document, fields.category);
    SetDlgItemTextA(dialog, IDC_BILL_NUMBER, fields.number.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_PAYEE, fields.payee.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_MEMO, fields.memo.c_str());
    FillAccountList(dialog, IDC_BILL_ACCOUNT, document, fields.account);
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
    Subject(dialog).chosenAccount = fields.account;
    ApplyOutcome(dialog, ProcessBillDeposit(Subject(dialog).document, Processed(dialog), fields));
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpTopic(dialog, kHelpBillsDeposits);
    return true;
}

}  // namespace

ProcessChoice ShowProcessBillDepositDialog(HWND owner, Document& document, std::int32_t bill) {
    if (document.FindBillDeposit(bill) == nullptr) return {};
    Processing processing{document, bill};
    const INT_PTR end =
        RunDialog(owner, IDD_PROCESS_BILL_DEPOSIT, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &processing);
    return {end, processing.chosenAccount};
}
