#include "app/current_account.h"

#include <commctrl.h>

#include "model/rules/command_rules.h"
#include "model/tables/window_title.h"
#include "resources/resource.h"
#include "views/stats_panel.h"
#include "views/transaction_list.h"

namespace {

// Every command of the menu, the toolbar and the list's popup menu, enabled
// as the open file and the current account allow.
void EnableCommands(const CommandState& state) {
    HMENU menu = GetMenu(App.frame);
    for (int command = IDM_FIRST_COMMAND; command <= IDM_LAST_COMMAND; ++command) {
        const bool enabled = IsCommandEnabled(command, state);
        EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        if (App.listPopup)
            EnableMenuItem(App.listPopup.Get(), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        if (App.toolbar != nullptr) SendMessageA(App.toolbar, TB_ENABLEBUTTON, command, enabled);
    }
}

void RefreshCurrentStats() { RefreshStats(Program.document, Program.CurrentAccountIndex); }

void SetMenuItemText(HMENU menu, int command, const std::string& text) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, command, FALSE, &item);
}

}  // namespace

void SelectAccount(std::int32_t index) {
    const Account* account = Program.document.FindAccount(index);
    Program.CurrentAccountIndex = account != nullptr ? index : -1;
    SetWindowTextA(App.frame, MainWindowTitle(Program.currentFile, account ? account->name.c_str() : nullptr).c_str());
    RefreshCurrentStats();
    // An account is only ever selected in an open file.
    EnableCommands({true, Program.document.AccountCount() > 0, account != nullptr,
                    Program.history.UndoName() != nullptr, Program.history.RedoName() != nullptr});
    RefreshEditMenu();
    if (!ShowFollowedAccount()) ShowMessage(kErrorUpdatingTransactionList);
}

void RefreshTransactionViews() {
    if (!FillTransactionList()) ShowMessage(kErrorUpdatingTransactionList);
    RefreshCurrentStats();
    RefreshEditMenu();
}

void RefreshEditMenu() {
    HMENU menu = GetMenu(App.frame);
    SetMenuItemText(menu, IDM_UNDO, UndoItemText(Program.history));
    SetMenuItemText(menu, IDM_REDO, RedoItemText(Program.history));
    const CommandState state{.canUndo = Program.history.UndoName() != nullptr,
                             .canRedo = Program.history.RedoName() != nullptr};
    for (int command : {IDM_UNDO, IDM_REDO})
        EnableMenuItem(menu, command, MF_BYCOMMAND | (IsCommandEnabled(command, state) ? MF_ENABLED : MF_GRAYED));
}


MainWindowRefresh MainWindowViews() { return {FillTransactionList, RefreshCurrentStats}; }
