#include "dialogs/file/about_dialog.h"

#include "dialogs/dialog_controls.h"
#include "resources/resource.h"

namespace {

// The dialog has no button: Enter, which the dialog manager turns into OK,
// does nothing; Esc and the close box end it with IDCANCEL.
void IgnoreEnter(HWND) {}

}  // namespace

void ShowAboutDialog(HWND owner) { RunDialog(owner, IDD_ABOUT, {.ok = IgnoreEnter}); }
