#include "dialogs/bills_dialog.h"

#include <commctrl.h>

#include <string>

#include "dialogs/bill_editors.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/process_bill_dialog.h"
#include "model/bill_rules.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/list_view.h"

namespace {

// What one opening of the dialog works with.
struct BillsContext {
    MainWindowRefresh views;
    Date today;  // of the statuses: read when the dialog opens and when a command writes a row
};

BillsContext& Context(HWND dialog) { return DialogContext<BillsContext>(dialog); }

HWND BillList(HWND dialog) { return GetDlgItem(dialog, IDC_BILL_LIST); }

// Row i is item i of the file's list; the list asks for the texts as it paints.
void ShowRowCount(HWND dialog) {
    SendMessageA(BillList(dialog), LVM_SETITEMCOUNT, static_cast<WPARAM>(Program.document.BillDepositCount()), 0);
}

void RewriteRow(HWND dialog, int row) {
    Context(dialog).today = Today();
    SendMessageA(BillList(dialog), LVM_REDRAWITEMS, row, row);
}

// Process, Edit and Delete need an item; without one the focus goes to "New...".
void EnableItemButtons(HWND dialog) {
    const bool any = Program.document.BillDepositCount() > 0;
    for (int button : {IDC_PROCESS_BILL, IDC_EDIT_BILL, IDC_DELETE_BILL}) EnableWindow(GetDlgItem(dialog, button), any);
    if (!any) SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_NEW_BILL)), TRUE);
}

bool OnInit(HWND dialog) {
    HWND list = BillList(dialog);
    const struct {
        const char* title;
        int width;
    } columns[kBillColumnCount] = {{"Due Date", 75}, {"Type", 75}, {"Amount", 75}, {"Payee", 100}, {"Status", 75}};
    for (int column = 0; column < kBillColumnCount; ++column)
        AddListColumn(list, column, columns[column].title, columns[column].width);
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    Context(dialog).today = Today();
    ShowRowCount(dialog);
    EnableItemButtons(dialog);
    return Program.document.BillDepositCount() > 0;
}

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    if (header.hwndFrom != BillList(dialog) || header.code != LVN_GETDISPINFOA) return 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
    const BillDeposit* bill = Program.document.FindBillDeposit(item.iItem);
    AnswerCellText(item, bill != nullptr ? BillCellText(*bill, item.iSubItem, Context(dialog).today, Program.DateFormat)
                                         : std::string());
    return 0;
}

// The selected row's item into SelectedBillIndex; false, after saying so,
// when no row is selected.
bool TakeSelectedBill(HWND dialog) {
    const int row = static_cast<int>(SendMessageA(BillList(dialog), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    Program.SelectedBillIndex = Program.document.FindBillDeposit(row) != nullptr ? row : -1;
    if (Program.SelectedBillIndex >= 0) return true;
    ShowMessage(kNoBillDepositSelected, dialog);
    return false;
}

// The new item is the last row, whatever its date.
void OnNew(HWND dialog) {
    if (ShowNewBillDepositDialog(dialog) != IDOK) return;
    Context(dialog).today = Today();
    ShowRowCount(dialog);
    Context(dialog).views.refreshStats();
    EnableItemButtons(dialog);
}

void OnEdit(HWND dialog) {
    if (!TakeSelectedBill(dialog) || ShowEditBillDepositDialog(dialog) != IDOK) return;
    RewriteRow(dialog, Program.SelectedBillIndex);
    Context(dialog).views.refreshStats();
}

void OnDelete(HWND dialog) {
    if (!TakeSelectedBill(dialog)) return;
    if (ShowMessage(kDeleteBillDepositQuestion, dialog) == IDYES) {
        Program.document.RemoveBillDeposit(Program.SelectedBillIndex);
        SendMessageA(BillList(dialog), LVM_DELETEITEM, Program.SelectedBillIndex, 0);
        Context(dialog).views.refreshStats();
    }
    EnableItemButtons(dialog);
}

// The transaction is in its account; the item's own account decides whether
// the list of the current account changed, then the item moves on or goes.
void OnProcess(HWND dialog) {
    if (!TakeSelectedBill(dialog) || ShowProcessBillDepositDialog(dialog) != IDOK) return;
    const BillsContext& context = Context(dialog);
    const int index = Program.SelectedBillIndex;
    if (Program.document.GetBillDeposit(index).account == Program.CurrentAccountIndex &&
        !context.views.fillTransactionList())
        ShowMessage(kErrorUpdatingTransactionList, dialog);
    if (FinishProcessing(Program.document, index)) {
        SendMessageA(BillList(dialog), LVM_DELETEITEM, index, 0);
        Program.SelectedBillIndex = -1;
    } else {
        RewriteRow(dialog, index);
    }
    context.views.refreshStats();
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

INT_PTR ShowBillsDialog(HWND owner, const MainWindowRefresh& views) {
    BillsContext context{views, Today()};
    return RunDialog(owner, IDD_BILLS_DEPOSITS, {.init = OnInit, .ok = OnEnterWithoutItems, .command = OnCommand, .notify = OnNotify}, &context);
}
