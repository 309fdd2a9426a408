#include "model/tables/dpi_scaling.h"

#include <cstdint>

namespace {

// number * numerator / denominator in 64 bits, rounded half away from zero;
// denominator is positive.
int MultiplyDivide(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int KnownDpi(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

}  // namespace

int ScaledForDpi(int pixelsAt96, int dpi) { return MultiplyDivide(pixelsAt96, KnownDpi(dpi), kBaseDpi); }

int UnitsAt96(int pixels, int dpi) { return MultiplyDivide(pixels, kBaseDpi, KnownDpi(dpi)); }

int RescaledForDpi(int pixels, int fromDpi, int toDpi) { return ScaledForDpi(UnitsAt96(pixels, fromDpi), toDpi); }

int PictureDpi(int dpi) {
    if (dpi >= 192) return 192;
    if (dpi >= 144) return 144;
    return kBaseDpi;
}

int SmallPictureSide(int dpi) { return ScaledForDpi(16, PictureDpi(dpi)); }
