#include "model/rules/command_rules.h"

#include "resources/resource.h"

CommandNeed NeedOf(int command) {
    switch (command) {
    case IDM_NEW_ACCOUNT:
    case IDM_SAVE:
    case IDM_SAVE_AS:
    case IDM_PASSWORD:
    case IDM_IMPORT:
    case IDM_BACKUP_RESTORE:
    case IDM_SHOW_STATS:
    case IDM_ACCOUNTS:
    case IDM_BILLS_DEPOSITS:
    case IDM_CATEGORIES:
        return CommandNeed::OpenFile;
    case IDM_IMPORT_STATEMENT:
    case IDM_CHARTS:
        return CommandNeed::AnyAccount;
    case IDM_UNDO:
        return CommandNeed::UndoStep;
    case IDM_REDO:
        return CommandNeed::RedoStep;
    case IDM_RECONCILE:
    case IDM_EXPORT:
    case IDM_NEW_TRANSACTION:
    case IDM_EDIT_TRANSACTION:
    case IDM_DELETE_TRANSACTION:
    case IDM_FIND_TRANSACTION:
    case IDM_SUMMARY_BY_CATEGORY:
    case IDM_SUMMARY_BY_MONTH:
    case IDM_PRINT:
        return CommandNeed::CurrentAccount;
    default:
        return CommandNeed::Nothing;
    }
}

bool IsCommandEnabled(int command, const CommandState& state) {
    switch (NeedOf(command)) {
    case CommandNeed::OpenFile:
        return state.fileOpen;
    case CommandNeed::AnyAccount:
        return state.fileOpen && state.fileHasAccount;
    case CommandNeed::CurrentAccount:
        return state.accountCurrent;
    case CommandNeed::UndoStep:
        return state.canUndo;
    case CommandNeed::RedoStep:
        return state.canRedo;
    case CommandNeed::Nothing:
        return true;
    }
    return true;
}
