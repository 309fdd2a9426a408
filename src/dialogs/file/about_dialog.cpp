#include "dialogs/file/about_dialog.h"

#include <utility>

#include "dialogs/dialog_controls.h"
#include "model/tables/dpi_scaling.h"
#include "resources/resource.h"
#include "shell/scaled_pictures.h"
#include "shell/window_dpi.h"

namespace {

// The banner drawn for `dpi` in place of the one shown.
void ShowBanner(HWND about, int dpi) {
    UniqueBitmap& banner = DialogContext<UniqueBitmap>(about);
    UniqueBitmap drawn = LoadScaledBitmap({IDB_ABOUT_BANNER, IDB_ABOUT_BANNER_150, IDB_ABOUT_BANNER_200}, dpi, 0);
    if (!drawn) return;
    const auto shown = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
        about, IDC_ABOUT_BANNER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(drawn.Get())));
    // The first one shown is the template's: the static loaded it itself and
    // leaves it to whoever replaces it.
    if (shown != nullptr && shown != banner.Get()) DeleteObject(shown);
    banner = std::move(drawn);
}

// The template shows the 100 % banner.
bool OnInit(HWND about) {
    const int dpi = WindowDpi(about);
    if (PictureDpi(dpi) != kBaseDpi) ShowBanner(about, dpi);
    return true;
}

// The dialog has no button: Enter, which the dialog manager turns into OK,
// does nothing; Esc and the close box end it with IDCANCEL.
void IgnoreEnter(HWND) {}

}  // namespace

void ShowAboutDialog(HWND owner) {
    UniqueBitmap banner;  // outlives the dialog that shows it
    RunDialog(owner, IDD_ABOUT, {.init = OnInit, .ok = IgnoreEnter, .dpiChanged = ShowBanner}, &banner);
}
