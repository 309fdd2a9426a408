// The account commands: New Account, the Accounts dialog, the bills and
// deposits scheduled for the accounts, and the reconciliation of the current one.

#include <windows.h>

#include <cstdint>

#include "app/commands.h"
#include "app/current_account.h"
#include "dialogs/accounts/accounts_dialog.h"
#include "dialogs/bills/bills_dialog.h"
#include "dialogs/accounts/new_account_dialog.h"
#include "dialogs/accounts/reconcile_dialog.h"
#include "model/rules/bill_rules.h"
#include "model/history/document_changes.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

void ShowCurrentAccount() { SelectAccount(Program.CurrentAccountIndex); }

}  // namespace

void OnNewAccount() {
    if (!CreateAccountWithDetails(App.frame, Program.document)) return;
    Program.history.Record(AddedAccountStep(Program.document, "New Account"));
    RefreshEditMenu();
    if (ShowMessage(kSwitchToNewAccount) == IDYES) SelectAccount(Program.document.AccountCount() - 1);
}

void OnAccounts() {
    const AccountsChoice choice =
        ShowAccountsDialog(App.frame, {Program.document, Program.CurrentAccountIndex, Program.history, ShowCurrentAccount});
    RefreshEditMenu();
    if (choice.end == IDOK)
        SelectAccount(choice.switchTo);
    else if (choice.end == IDC_NEW_ACCOUNT)
        OnNewAccount();
}

void OnBillsDeposits() {
    if (!CanScheduleBillDeposits(Program.document)) {
        ShowMessage(kNoAccountForBills);
        return;
    }
    ShowBillsDialog(App.frame, {Program.document, Program.CurrentAccountIndex, Program.history, MainWindowViews()});
    RefreshEditMenu();
}

void OnReconcile() {
    Account* account = Program.document.FindAccount(Program.CurrentAccountIndex);
    if (account == nullptr) return;
    AccountBefore before = AccountBeforeChange(Program.document, Program.CurrentAccountIndex);
    if (ShowReconcileDialog(App.frame, *account) != IDOK) return;
    Program.history.Record(AccountChangeStep("Reconcile", std::move(before), Program.document));
    RefreshTransactionViews();
}
