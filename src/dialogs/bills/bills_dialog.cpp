#include "dialogs/bills/bills_dialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "dialogs/bills/bill_editors.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/bills/process_bill_dialog.h"
#include "model/rules/bill_rules.h"
#include "model/history/document_changes.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/list_view.h"

namespace {

// What one opening of the dialog works with.
struct BillsContext {
    BillsSubject subject;
    Date today;  // of the statuses: read when the dialog opens and when a command writes a row
};

BillsContext& Context(HWND dialog) { return DialogContext<BillsContext>(dialog); }

Document& TheDocument(HWND dialog) { return Context(dialog).subject.document; }

void RefreshStats(HWND dialog) { Context(dialog).subject.views.refreshStats(); }

HWND BillList(HWND dialog) { return GetDlgItem(dialog, IDC_BILL_LIST); }

// Row i is item i of the file's list; the list asks for the texts as it paints.
void ShowRowCount(HWND dialog) {
    SendMessageA(BillList(dialog), LVM_SETITEMCOUNT, static_cast<WPARAM>(TheDocument(dialog).BillDepositCount()), 0);
}

void RewriteRow(HWND dialog, int row) {
    Context(dialog).today = Today();
    SendMessageA(BillList(dialog), LVM_REDRAWITEMS, row, row);
}

void EnableItemButtons(HWND dialog) {
    const bool any = BillButtonsEnabled(TheDocument(dialog));
    for (int button : {IDC_PROCESS_BILL, IDC_EDIT_BILL, IDC_DELETE_BILL}) EnableWindow(GetDlgItem(dialog, button), any);
    if (!any) SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_NEW_BILL)), TRUE);
}

bool OnInit(HWND dialog) {
    HWND list = BillList(dialog);
    AddListColumns(list, kBillListColumns);
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    Context(dialog).today = Today();
    ShowRowCount(dialog);
    EnableItemButtons(dialog);
    return BillButtonsEnabled(TheDocument(dialog));
}

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    if (header.hwndFrom != BillList(dialog) || header.code != LVN_GETDISPINFOA) return 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
    const BillDeposit* bill = TheDocument(dialog).FindBillDeposit(item.iItem);
    AnswerCellText(item, bill != nullptr ? BillCellText(*bill, item.iSubItem, Context(dialog).today, Program.DateFormat)
                                         : std::string());
    return 0;
}

// The item of the selected row; -1, after saying so, when no row is selected.
std::int32_t SelectedBill(HWND dialog) {
    const int row = static_cast<int>(SendMessageA(BillList(dialog), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    if (TheDocument(dialog).FindBillDeposit(row) != nullptr) return row;
    ShowMessage(kNoBillDepositSelected, dialog);
    return -1;
}

// The new item is the last row, whatever its date.
void OnNew(HWND dialog) {
    const BillsSubject& subject = Context(dialog).subject;
    DocumentHeads before = HeadsOf(subject.document);
    if (ShowNewBillDepositDialog(dialog, subject.document, subject.currentAccount) != IDOK) return;
    subject.history.Record(HeadsStep("New Bill/Deposit", std::move(before), subject.document));
    Context(dialog).today = Today();
    ShowRowCount(dialog);
    RefreshStats(dialog);
    EnableItemButtons(dialog);
}

void OnEdit(HWND dialog) {
    const std::int32_t bill = SelectedBill(dialog);
    if (bill < 0) return;
    DocumentHeads before = HeadsOf(TheDocument(dialog));
    if (ShowEditBillDepositDialog(dialog, TheDocument(dialog), bill) != IDOK) return;
    Context(dialog).subject.history.Record(HeadsStep("Edit Bill/Deposit", std::move(before), TheDocument(dialog)));
    RewriteRow(dialog, bill);
    RefreshStats(dialog);
}

void OnDelete(HWND dialog) {
    const std::int32_t bill = SelectedBill(dialog);
    if (bill < 0) return;
    if (ShowMessage(kDeleteBillDepositQuestion, dialog) == IDYES) {
        DocumentHeads before = HeadsOf(TheDocument(dialog));
        TheDocument(dialog).RemoveBillDeposit(bill);
        Context(dialog).subject.history.Record(HeadsStep("Delete Bill/Deposit", std::move(before), TheDocument(dialog)));
        SendMessageA(BillList(dialog), LVM_DELETEITEM, bill, 0);
        RefreshStats(dialog);
    }
    EnableItemButtons(dialog);
}

// The account the transaction went into decides whether the list of the
// current account changed; then the item moves on or goes.
void OnProcess(HWND dialog) {
    const std::int32_t bill = SelectedBill(dialog);
    if (bill < 0) return;
    const BillsSubject& subject = Context(dialog).subject;
    DocumentHeads before = HeadsOf(subject.document);
    const ProcessChoice processed = ShowProcessBillDepositDialog(dialog, subject.document, bill);
    if (processed.end != IDOK) return;
    if (processed.account == subject.currentAccount && !subject.views.fillTransactionList())
        ShowMessage(kErrorUpdatingTransactionList, dialog);
    // The transaction and the item's next date or its removal are one step.
    std::vector<Step> parts;
    parts.push_back(AddedTransactionStep(subject.document, processed.account));
    const bool removed = FinishProcessing(subject.document, bill);
    parts.push_back(HeadsStep("", std::move(before), subject.document));
    subject.history.Record(CombinedStep("Process Bill/Deposit", std::move(parts)));
    if (removed)
        SendMessageA(BillList(dialog), LVM_DELETEITEM, bill, 0);
    else
        RewriteRow(dialog, bill);
    RefreshStats(dialog);
    EnableItemButtons(dialog);
}

// Enter comes as IDOK only while "Process...", the default button, is
// disabled: there is nothing to process then.
void OnEnterWithoutItems(HWND) {}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_PROCESS_BILL:
        OnProcess(dialog);
        return true;
    case IDC_EDIT_BILL:
        OnEdit(dialog);
        return true;
    case IDC_NEW_BILL:
        OnNew(dialog);
        return true;
    case IDC_DELETE_BILL:
        OnDelete(dialog);
        return true;
    case IDC_HELP_BUTTON:
        ShowHelpTopic(dialog, kHelpBillsDeposits);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowBillsDialog(HWND owner, const BillsSubject& subject) {
    BillsContext context{subject, Today()};
    return RunDialog(owner, IDD_BILLS_DEPOSITS, {.init = OnInit, .ok = OnEnterWithoutItems, .command = OnCommand, .notify = OnNotify}, &context);
}
