// The account commands: New Account, the Accounts dialog, and the bills and
// deposits scheduled for the accounts.

#include <windows.h>

#include <cstdint>

#include "app/commands.h"
#include "dialogs/accounts_dialog.h"
#include "dialogs/bills_dialog.h"
#include "dialogs/new_account_dialog.h"
#include "model/bill_rules.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

void ShowCurrentAccount() { SelectAccount(Program.CurrentAccountIndex); }

}  // namespace

void OnNewAccount() {
    if (!CreateAccountWithDetails(App.frame)) return;
    if (ShowMessage(kSwitchToNewAccount) == IDYES) SelectAccount(Program.document.AccountCount() - 1);
}

void OnAccounts() {
    std::int32_t switchTo = -1;
    const INT_PTR result = ShowAccountsDialog(App.frame, ShowCurrentAccount, switchTo);
    if (result == IDOK)
        SelectAccount(switchTo);
    else if (result == IDC_NEW_ACCOUNT)
        OnNewAccount();
}

void OnBillsDeposits() {
    if (!CanScheduleBillDeposits(Program.document)) {
        ShowMessage(kNoAccountForBills);
        return;
    }
    ShowBillsDialog(App.frame, MainWindowViews());
}
