#include "dialogs/accounts/accounts_dialog.h"

#include <commctrl.h>

#include "dialogs/accounts/account_details_dialog.h"
#include "dialogs/accounts/adjust_dialog.h"
#include "dialogs/dialog_controls.h"
#include "model/account_types.h"
#include "model/tables/accounts_list.h"
#include "model/history/document_changes.h"
#include "model/help_topics.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/list_view.h"
#include "shell/program.h"

namespace {

// What one opening of the dialog works with.
struct AccountsContext {
    AccountsSubject subject;
    std::int32_t switchTo = -1;
};

AccountsSubject& Subject(HWND dialog) { return DialogContext<AccountsContext>(dialog).subject; }

void ShowCurrentAccount(HWND dialog) { Subject(dialog).showCurrentAccount(); }

HWND AccountList(HWND dialog) { return GetDlgItem(dialog, IDC_ACCOUNT_LIST); }

void SetCell(HWND list, int row, int column, const char* text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void AddRow(HWND list, const Account& account) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(AccountCellText(account, AccountColumnName));
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    SetCell(list, row, AccountColumnType, AccountCellText(account, AccountColumnType));
}

void SelectRow(HWND list, int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
}

// With no account left only "New..." and "Adjust..." have something to do.
void EnableAccountButtons(HWND dialog) {
    const bool enabled = AccountButtonsEnabled(Subject(dialog).document);
    for (int button : {IDOK, IDC_ACCOUNT_DETAILS, IDC_DELETE_ACCOUNT})
        EnableWindow(GetDlgItem(dialog, button), enabled);
    if (!enabled) {
        HWND newButton = GetDlgItem(dialog, IDC_NEW_ACCOUNT);
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(newButton), TRUE);
    }
}

// Without an account the focus is already on "New...".
bool OnInit(HWND dialog) {
    HWND list = AccountList(dialog);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddListColumns(list, kAccountListColumns);
    const AccountsSubject& subject = Subject(dialog);
    for (const Account& account : subject.document.accounts) AddRow(list, account);
    EnableAccountButtons(dialog);
    const std::int32_t current = AccountOnRow(subject.document, subject.current);
    if (current >= 0) SelectRow(list, current);
    return AccountButtonsEnabled(subject.document);
}

// The account of the selected row; -1, after saying so, when there is none.
std::int32_t ChosenAccount(HWND dialog) {
    const int row = static_cast<int>(SendMessageA(AccountList(dialog), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    const std::int32_t account = AccountOnRow(Subject(dialog).document, row);
    if (account < 0) ShowMessage(kNoAccountSelected, dialog);
    return account;
}

void OnDetails(HWND dialog) {
    const std::int32_t account = ChosenAccount(dialog);
    if (account < 0) return;
    Document& document = Subject(dialog).document;
    DocumentHeads before = HeadsOf(document);
    if (ShowAccountDetailsDialog(dialog, document, account) != IDOK) return;
    if (!(HeadsOf(document) == before)) Subject(dialog).history.Record(HeadsStep("Account Details", std::move(before), document));
    SetCell(AccountList(dialog), account, AccountColumnName,
            AccountCellText(document.GetAccount(account), AccountColumnName));
    // The window title carries the current account's name.
    if (account == Subject(dialog).current) ShowCurrentAccount(dialog);
}

void OnAdjust(HWND dialog) {
    const std::int32_t account = ChosenAccount(dialog);
    if (account < 0) return;
    AccountsSubject& subject = Subject(dialog);
    AccountBefore before = AccountBeforeChange(subject.document, account);
    if (ShowAdjustDialog(dialog, subject.document.GetAccount(account)) != IDOK) return;
    if (subject.document.GetAccount(account).TransactionCount() != before.transactionCount)
        subject.history.Record(AccountChangeStep("Adjust Balance", std::move(before), subject.document));
    if (account == subject.current) ShowCurrentAccount(dialog);
}

void OnDelete(HWND dialog) {
    const std::int32_t account = ChosenAccount(dialog);
    if (account < 0) return;
    if (ShowMessage(kDeleteAccountQuestion, dialog) != IDYES) return;
    AccountsSubject& subject = Subject(dialog);
    const AccountDeletion deletion = DeleteAccountOnRow(subject.document, account, subject.current, subject.history);
    if (!deletion.deleted) {
        ShowMessage(kErrorUpdatingTransactionList, dialog);
        return;
    }
    SendMessageA(AccountList(dialog), LVM_DELETEITEM, account, 0);
    // An account that stood after the deleted one is the same account one place up.
    subject.current = deletion.current;
    if (deletion.currentDeleted) ShowCurrentAccount(dialog);
    EnableAccountButtons(dialog);
}

// "Switch to...": the dialog's context is where the chosen account goes.
void OnSwitchTo(HWND dialog) {
    const std::int32_t account = ChosenAccount(dialog);
    if (account < 0) return;
    DialogContext<AccountsContext>(dialog).switchTo = account;
    EndDialog(dialog, IDOK);
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_ACCOUNT_DETAILS:
        OnDetails(dialog);
        return true;
    case IDC_ADJUST_ACCOUNT:
        OnAdjust(dialog);
        return true;
    case IDC_NEW_ACCOUNT:
        EndDialog(dialog, IDC_NEW_ACCOUNT);
        return true;
    case IDC_DELETE_ACCOUNT:
        OnDelete(dialog);
        return true;
    case IDC_HELP_BUTTON:
        ShowHelpTopic(dialog, kHelpAccounts);
        return true;
    }
    return false;
}

}  // namespace

AccountsChoice ShowAccountsDialog(HWND owner, AccountsSubject subject) {
    AccountsContext context{subject};
    const INT_PTR end = RunDialog(owner, IDD_ACCOUNTS, {.init = OnInit, .ok = OnSwitchTo, .command = OnCommand}, &context);
    return {end, context.switchTo};
}
