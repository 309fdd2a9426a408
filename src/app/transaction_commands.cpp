// The commands on the current account's transactions: New, Edit, Delete and Find.

#include <windows.h>

#include "app/commands.h"
#include "dialogs/find_dialog.h"
#include "dialogs/transaction_dialogs.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

// The selected row's transaction into SelectedTransactionIndex; false, after
// saying so, when no row is selected.
bool TakeSelectedTransaction() {
    const int index = SelectedTransaction();
    if (index < 0) {
        ShowMessage(kNoTransactionSelected);
        return false;
    }
    Program.SelectedTransactionIndex = index;
    return true;
}

}  // namespace

void OnNewTransaction() {
    const INT_PTR result = ShowNewTransactionDialog(App.frame);
    if (result != IDOK && result != IDC_ADD_MORE) return;
    RefreshTransactionViews();
    // The next dialog opens once this command has returned.
    if (result == IDC_ADD_MORE) PostMessageA(App.frame, WM_COMMAND, IDM_NEW_TRANSACTION, 0);
}

void OnEditTransaction() {
    if (!TakeSelectedTransaction()) return;
    if (ShowEditTransactionDialog(App.frame) == IDOK) RefreshTransactionViews();
}

void OnDeleteTransaction() {
    if (!TakeSelectedTransaction()) return;
    if (ShowMessage(kDeleteTransactionQuestion) != IDYES) return;
    Program.document.GetAccount(Program.CurrentAccountIndex).RemoveTransaction(Program.SelectedTransactionIndex);
    RefreshTransactionViews();
}

void OnFindTransaction() { ShowFindDialog(App.frame, App.transactionList, ShownTransaction); }
