#pragma once
// The Options dialog (126): the date order every date is shown in, and the
// dated copies every save keeps.

#include <windows.h>

#include "model/rules/options_rules.h"

// Runs the dialog over `owner`, starting from `options`: 1 after OK, with
// `options` set to what was chosen, 2 after Cancel, which changes nothing.
INT_PTR ShowOptionsDialog(HWND owner, Options& options);
