#pragma once
// Which commands of the menu, the toolbar and the list's popup menu can be
// chosen: some need an open file, some an account shown in the list.

enum class CommandNeed { Nothing, OpenFile, CurrentAccount };

// What the command (a menu command identifier) needs; Nothing for others.
CommandNeed NeedOf(int command);

// Whether the command is enabled with the file and account state given.
bool IsCommandEnabled(int command, bool fileOpen, bool accountCurrent);
