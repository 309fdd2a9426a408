#pragma once
// Which commands of the menu, the toolbar and the list's popup menu can be
// chosen: some need an open file, some an account shown in the list.

enum class CommandNeed { Nothing, OpenFile, AnyAccount, CurrentAccount, UndoStep, RedoStep };

// What the command (a menu command identifier) needs; Nothing for others.
CommandNeed NeedOf(int command);

struct CommandState {
    bool fileOpen = false;
    bool fileHasAccount = false;
    bool accountCurrent = false;
    bool canUndo = false;
    bool canRedo = false;
};

// Whether the command is enabled in the state given.
bool IsCommandEnabled(int command, const CommandState& state);
