#include "shell/scaled_pictures.h"

#include "model/tables/dpi_scaling.h"
#include "shell/program.h"

UniqueBitmap LoadScaledBitmap(const ScaledBitmap& bitmap, int dpi, UINT flags) {
    const int pictureDpi = PictureDpi(dpi);
    const int id = pictureDpi == 192 ? bitmap.at200 : pictureDpi == 144 ? bitmap.at150 : bitmap.at100;
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageA(App.instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags)));
}

namespace {

UniqueIcon LoadIconOfSide(int id, int side) {
    return UniqueIcon(static_cast<HICON>(LoadImageA(App.instance, MAKEINTRESOURCEA(id), IMAGE_ICON, side, side, 0)));
}

}  // namespace

UniqueIcon LoadSmallIcon(int id, int dpi) { return LoadIconOfSide(id, SmallPictureSide(dpi)); }

UniqueIcon LoadIconScaled(int id, int size, int dpi) { return LoadIconOfSide(id, ScaledForDpi(size, dpi)); }
