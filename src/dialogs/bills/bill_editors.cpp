#include "dialogs/bills/bill_editors.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dialogs/dialog_controls.h"
#include "model/rules/bill_rules.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"

namespace {

constexpr std::int32_t kNewItem = -1;

// What one opening of either dialog works on.
struct BillEditing {
    Document& document;
    std::int32_t edited;          // the item edited, or kNewItem
    std::int32_t currentAccount;  // proposed for a new item
};

// The occurrence buttons in occurrence order, Once first.
constexpr int kOccurrenceButtons[] = {IDC_OCCURS_ONCE, IDC_OCCURS_DAILY, IDC_OCCURS_WEEKLY,
                                      IDC_OCCURS_EVERY_OTHER_WEEK, IDC_OCCURS_MONTHLY};

const BillEditing& Editing(HWND dialog) { return DialogContext<const BillEditing>(dialog); }

void FillFields(HWND dialog, const Document& document, const BillFields& fields) {
    SetDlgItemTextA(dialog, IDC_BILL_AMOUNT, fields.amount.c_str());
    CheckRadioButton(dialog, IDC_KIND_BILL, IDC_KIND_DEPOSIT, fields.kind == BillKind ? IDC_KIND_BILL : IDC_KIND_DEPOSIT);
    CheckRadioButton(dialog, IDC_OCCURS_ONCE, IDC_OCCURS_MONTHLY, kOccurrenceButtons[std::clamp(fields.occurrence, 0, 4)]);
    SetPickerDate(dialog, IDC_BILL_DATE, fields.dueDate);
    FillCategoryList(dialog, IDC_BILL_CATEGORY, document, fields.category);
    SetDlgItemTextA(dialog, IDC_BILL_PAYEE, fields.payee.c_str());
    SetDlgItemTextA(dialog, IDC_BILL_MEMO, fields.memo.c_str());
    FillAccountList(dialog, IDC_BILL_ACCOUNT, document, fields.account);
}

BillFields ReadFields(HWND dialog) {
    BillFields fields;
    fields.amount = ControlText(dialog, IDC_BILL_AMOUNT);
    fields.kind = IsDlgButtonChecked(dialog, IDC_KIND_BILL) == BST_CHECKED ? BillKind : DepositKind;
    int checked = -1;
    for (int button = 0; button < static_cast<int>(std::size(kOccurrenceButtons)); ++button)
        if (IsDlgButtonChecked(dialog, kOccurrenceButtons[button]) == BST_CHECKED) checked = button;
    fields.occurrence = CheckedOccurrence(checked);
    fields.dueDate = PickerDate(dialog, IDC_BILL_DATE);
    fields.category = DropDownChoice(dialog, IDC_BILL_CATEGORY);
    fields.payee = ControlText(dialog, IDC_BILL_PAYEE);
    fields.memo = ControlText(dialog, IDC_BILL_MEMO);
    fields.account = DropDownChoice(dialog, IDC_BILL_ACCOUNT);
    return fields;
}

bool OnInit(HWND dialog) {
    PlaceAtOwnersCorner(dialog);
    const BillEditing& editing = Editing(dialog);
    const Document& document = editing.document;
    FillFields(dialog, document,
               editing.edited == kNewItem ? NewBillFields(document, editing.currentAccount, Today())
                                          : EditBillFields(document, document.GetBillDeposit(editing.edited)));
    return true;
}

void OnOk(HWND dialog) {
    const BillFields fields = ReadFields(dialog);
    const BillEditing& editing = Editing(dialog);
    ApplyOutcome(dialog, editing.edited == kNewItem
                             ? AddBillDepositFromFields(editing.document, fields)
                             : ReplaceBillDepositFromFields(editing.document, editing.edited, fields));
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpTopic(dialog, kHelpBillsDeposits);
    return true;
}

INT_PTR ShowBillEditor(HWND owner, int templateId, BillEditing editing) {
    return RunDialog(owner, templateId, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &editing);
}

}  // namespace

INT_PTR ShowNewBillDepositDialog(HWND owner, Document& document, std::int32_t currentAccount) {
    return ShowBillEditor(owner, IDD_NEW_BILL_DEPOSIT, {document, kNewItem, currentAccount});
}

INT_PTR ShowEditBillDepositDialog(HWND owner, Document& document, std::int32_t bill) {
    if (document.FindBillDeposit(bill) == nullptr) return IDCANCEL;
    return ShowBillEditor(owner, IDD_EDIT_BILL_DEPOSIT, {document, bill, -1});
}
