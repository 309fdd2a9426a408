#pragma once
// The program's pictures at the DPI of the window that shows them: each is
// drawn for 100 %, 150 % and 200 %, and PictureDpi picks the drawing.

#include <windows.h>

#include "shell/win32_handles.h"

// The resources of one bitmap's three drawings.
struct ScaledBitmap {
    int at100;
    int at150;
    int at200;
};

// The drawing of `bitmap` for a window at `dpi`, loaded with LoadImage's
// `flags`; empty when it cannot be loaded.
UniqueBitmap LoadScaledBitmap(const ScaledBitmap& bitmap, int dpi, UINT flags);

// The icon resource `id` as a small icon (16 pixels at 100 %) for a window
// at `dpi`; empty when it cannot be loaded. Each window owns its own: a
// shared icon would keep the size it was first loaded at.
UniqueIcon LoadSmallIcon(int id, int dpi);

// The icon resource `id` at `size` pixels at 100 %, scaled for `dpi`: for a
// place the system draws at exactly that size, such as the title bar.
UniqueIcon LoadIconScaled(int id, int size, int dpi);
