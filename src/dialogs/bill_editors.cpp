#include "dialogs/bill_editors.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dialogs/dialog_controls.h"
#include "model/bill_rules.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/program.h"

namespace {

constexpr std::int32_t kNewItem = -1;

// The occurrence buttons in occurrence order, Once first.
constexpr int kOccurrenceButtons[] = {IDC_OCCURS_ONCE, IDC_OCCURS_DAILY, IDC_OCCURS_WEEKLY,
                                      IDC_OCCURS_EVERY_OTHER_WEEK, IDC_OCCURS_MONTHLY};

// The item edited, or kNewItem.
std::int32_t Edited(HWND dialog) { return DialogContext<std::int32_t>(dialog); }

void FillFields(HWND dialog, const BillFields& fields) {
    SetDlgItemTextA(dialog, IDC_BILL_AMOUNT, fields.amount.c_str());
    CheckRadioButton(dialog, IDC_KIND_BILL, IDC_KIND_DEPOSIT, fields.kind == BillKind ? IDC_KIND_BILL : IDC_KIND_DEPOSIT);
    CheckRadioButton(dialog, IDC_OCCURS_ONCE, IDC_OCCURS_MONTHLY, kOccurrenceButtons[std::clamp(fields.occurrence, 0, 4)]);
    SetPickerDate(dialog, IDC_BILL_DATE, fields.dueDate);
    FillCategoryList(dialog, IDC_BILL_CATEGORY, fields.category);
    SetDlgItemTextA(dialog, IDC_BILL_PAYEE, fields.payee.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_MEMO, fields.memo.c_str());
    FillAccountList(dialog, IDC_BILL_ACCOUNT, fields.account);
}

BillFields ReadFields(HWND dialog) {
    BillFields fields;
    fields.amount = ControlText(dialog, IDC_BILL_AMOUNT);
    fields.kind = IsDlgButtonChecked(dialog, IDC_KIND_BILL) == BST_CHECKED ? BillKind : DepositKind;
    // Monthly unless another button is checked.
    fields.occurrence = OccurrenceMonthly;
    for (std::int32_t occurrence = 0; occurrence < static_cast<std::int32_t>(std::size(kOccurrenceButtons)); ++occurrence)
        if (IsDlgButtonChecked(dialog, kOccurrenceButtons[occurrence]) == BST_CHECKED) fields.occurrence = occurrence;
    fields.dueDate = PickerDate(dialog, IDC_BILL_DATE);
    fields.category = DropDownChoice(dialog, IDC_BILL_CATEGORY);
    fields.payee = ControlText(dialog, IDC_BILL_PAYEE);
    fields.memo = ControlText(dialog, IDC_BILL_MEMO);
    fields.account = DropDownChoice(dialog, IDC_BILL_ACCOUNT);
    return fields;
}

bool OnInit(HWND dialog) {
    PlaceAtOwnersCorner(dialog);
    const std::int32_t edited = Edited(dialog);
    FillFields(dialog, edited == kNewItem
                           ? NewBillFields(Program.document, Program.CurrentAccountIndex, Today())
                           : EditBillFields(Program.document, Program.document.GetBillDeposit(edited)));
    return true;
}

void OnOk(HWND dialog) {
    const BillFields fields = ReadFields(dialog);
    const std::int32_t edited = Edited(dialog);
    ApplyOutcome(dialog, edited == kNewItem ? AddBillDepositFromFields(Program.document, fields)
                                            : ReplaceBillDepositFromFields(Program.document, edited, fields));
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpTopic(dialog, kHelpBillsDeposits);
    return true;
}

INT_PTR ShowBillEditor(HWND owner, int templateId, std::int32_t edited) {
    return RunDialog(owner, templateId, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &edited);
}

}  // namespace

INT_PTR ShowNewBillDepositDialog(HWND owner) { return ShowBillEditor(owner, IDD_NEW_BILL_DEPOSIT, kNewItem); }

INT_PTR ShowEditBillDepositDialog(HWND owner) {
    const std::int32_t index = Program.SelectedBillIndex;
    if (Program.document.FindBillDeposit(index) == nullptr) return IDCANCEL;
    return ShowBillEditor(owner, IDD_EDIT_BILL_DEPOSIT, index);
}
