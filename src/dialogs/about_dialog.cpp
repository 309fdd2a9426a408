#include "dialogs/about_dialog.h"

#include "dialogs/dialog_controls.h"
#include "resources/resource.h"

void ShowAboutDialog(HWND owner) { RunDialog(owner, IDD_ABOUT, {}); }
