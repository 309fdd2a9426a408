// The commands on the current account's transactions: New, Edit, Delete and
// Find, and Undo and Redo of the steps the history keeps.

#include <windows.h>

#include "app/commands.h"
#include "app/current_account.h"
#include "dialogs/transactions/find_dialog.h"
#include "dialogs/transactions/transaction_dialogs.h"
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
    Program.history.Record(AddedTransactionStep(Program.document, Program.CurrentAccountIndex));
    RefreshTransactionViews();
    // The next dialog opens once this command has returned.
    if (result == IDC_ADD_MORE) PostMessageA(App.frame, WM_COMMAND, IDM_NEW_TRANSACTION, 0);
}

void OnEditTransaction() {
    Account* account = CurrentAccount();
    const int selected = account != nullptr ? TakeSelectedTransaction() : -1;
    if (selected < 0) return;
    const Transaction before = account->GetTransaction(selected);
    if (ShowEditTransactionDialog(App.frame, Program.document, *account, selected) != IDOK) return;
    if (!(account->GetTransaction(selected) == before))
        Program.history.Record(ReplacedTransactionStep(Program.document, Program.CurrentAccountIndex, selected, before));
    RefreshTransactionViews();
}

void OnDeleteTransaction() {
    Account* account = CurrentAccount();
    const int selected = account != nullptr ? TakeSelectedTransaction() : -1;
    if (selected < 0) return;
    if (account->GetTransaction(selected).mark == MarkReconciled && ShowMessage(kChangeReconciledQuestion) != IDYES) return;
    if (ShowMessage(kDeleteTransactionQuestion) != IDYES) return;
    Program.history.Record(DeleteTransaction(Program.document, Program.CurrentAccountIndex, selected));
    RefreshTransactionViews();
}

void OnFindTransaction() { ShowFindDialog(App.frame, App.transactionList, ShownTransaction); }

namespace {

// The views as after the step's own command: its account shown (none when
// it is gone), its transaction selected where there is one.
void ShowChange(const std::optional<ChangedPlace>& place) {
    if (!place) {
        ShowMessage(kErrorAddingTransaction);  // no memory to put it back; nothing changed
        RefreshEditMenu();
        return;
    }
    // A transaction to select is shown in its account; otherwise the current account stays.
    const bool row = place->position >= 0 && Program.document.FindAccount(place->account) != nullptr;
    SelectAccount(row ? place->account : CurrentAccountAfter(*place, Program.CurrentAccountIndex));
    if (row) SelectShownTransaction(place->position);
}

}  // namespace

void OnUndo() {
    if (Program.history.UndoName() != nullptr) ShowChange(Program.history.Undo(Program.document));
}

void OnRedo() {
    if (Program.history.RedoName() != nullptr) ShowChange(Program.history.Redo(Program.document));
}
