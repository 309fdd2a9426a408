#pragma once
// The New Pennywhist File wizard (130): the steps that set up a new file.

#include <windows.h>

#include "model/document.h"
#include "shell/program.h"

// Runs the wizard over `owner` for the new file's `document` (no account
// is current); 1 after "Done!", 2 when it is closed or cancelled. Its
// categories and bills steps refresh the views through `views`.
INT_PTR ShowNewFileWizard(HWND owner, Document& document, const MainWindowRefresh& views);
