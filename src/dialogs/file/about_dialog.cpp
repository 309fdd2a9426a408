#include "dialogs/file/about_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/tables/dpi_scaling.h"
#include "resources/resource.h"
#include "shell/scaled_pictures.h"
#include "shell/window_dpi.h"

namespace {

// The banner drawn for the dialog's DPI, in place of the template's 100 % one.
bool OnInit(HWND about) {
    UniqueBitmap& banner = DialogContext<UniqueBitmap>(about);
    const int dpi = WindowDpi(about);
    if (PictureDpi(dpi) == kBaseDpi) return true;
    banner = LoadScaledBitmap({IDB_ABOUT_BANNER, IDB_ABOUT_BANNER_150, IDB_ABOUT_BANNER_200}, dpi, 0);
    if (!banner) return true;
    // The static loaded the template's banner itself; the one it gives back is
    // no longer shown.
    const auto shown = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
        about, IDC_ABOUT_BANNER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner.Get())));
    if (shown != nullptr) DeleteObject(shown);
    return true;
}

// The dialog has no button: Enter, which the dialog manager turns into OK,
// does nothing; Esc and the close box end it with IDCANCEL.
void IgnoreEnter(HWND) {}

}  // namespace

void ShowAboutDialog(HWND owner) {
    UniqueBitmap banner;  // outlives the dialog that shows it
    RunDialog(owner, IDD_ABOUT, {.init = OnInit, .ok = IgnoreEnter}, &banner);
}
