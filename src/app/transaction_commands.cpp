// The commands on the current account's transactions: New, Edit, Delete and Find.

#include <windows.h>

#include "app/commands.h"
#include "app/current_account.h"
#include "dialogs/find_dialog.h"
#include "dialogs/transaction_dialogs.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

// The storage index of the selected row's transaction; -1, after saying
// so, when no row is selected.
int TakeSelectedTransaction() {
    const int index = SelectedTransaction();
    if (index < 0) ShowMessage(kNoTransactionSelected);
    return index;
}

Account* CurrentAccount() { return Program.document.FindAccount(Program.CurrentAccountIndex); }

}  // namespace

void OnNewTransaction() {
    Account* account = CurrentAccount();
    if (account == nullptr) return;
    const INT_PTR result = ShowNewTransactionDialog(App.frame, Program.document, *account);
    if (result != IDOK && result != IDC_ADD_MORE) return;
    RefreshTransactionViews();
    // The next dialog opens once this command has returned.
    if (result == IDC_ADD_MORE) PostMessageA(App.frame, WM_COMMAND, IDM_NEW_TRANSACTION, 0);
}

void OnEditTransaction() {
    Account* account = CurrentAccount();
    const int selected = account != nullptr ? TakeSelectedTransaction() : -1;
    if (selected < 0) return;
    if (ShowEditTransactionDialog(App.frame, Program.document, *account, selected) == IDOK) RefreshTransactionViews();
}

void OnDeleteTransaction() {
    Account* account = CurrentAccount();
    const int selected = account != nullptr ? TakeSelectedTransaction() : -1;
    if (selected < 0) return;
    if (account->GetTransaction(selected).mark == MarkReconciled && ShowMessage(kChangeReconciledQuestion) != IDYES) return;
    if (ShowMessage(kDeleteTransactionQuestion) != IDYES) return;
    account->RemoveTransaction(selected);
    RefreshTransactionViews();
}

void OnFindTransaction() { ShowFindDialog(App.frame, App.transactionList, ShownTransaction); }
