#include "shell/scaled_pictures.h"

#include "model/tables/dpi_scaling.h"
#include "shell/program.h"

UniqueBitmap LoadScaledBitmap(const ScaledBitmap& bitmap, int dpi, UINT flags) {
    const int pictureDpi = PictureDpi(dpi);
    const int id = pictureDpi == 192 ? bitmap.at200 : pictureDpi == 144 ? bitmap.at150 : bitmap.at100;
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageA(App.instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags)));
}

UniqueIcon LoadSmallIcon(int id, int dpi) { return LoadIconScaled(id, 16, PictureDpi(dpi)); }

UniqueIcon LoadIconScaled(int id, int size, int dpi) {
    const int side = ScaledForDpi(size, dpi);
    return UniqueIcon(static_cast<HICON>(LoadImageA(App.instance, MAKEINTRESOURCEA(id), IMAGE_ICON, side, side, 0)));
}
