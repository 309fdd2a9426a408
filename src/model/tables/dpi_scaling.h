#pragma once
// Every size the program gives in pixels is a size at 96 DPI, the system's
// "100%"; a window at another DPI shows it scaled by DPI / 96, and a size the
// user chose is stored back in 96-DPI units so it reads the same on any screen.

// The DPI that leaves every size as given.
inline constexpr int kBaseDpi = 96;

// `pixelsAt96` at `dpi`, rounded to the nearest pixel, halves away from zero
// as MulDiv rounds; a DPI of 0 or less (none known) is taken as 96.
int ScaledForDpi(int pixelsAt96, int dpi);

// The inverse, for storing: `pixels` shown at `dpi` in 96-DPI units, rounded
// the same way; a DPI of 0 or less is taken as 96.
int UnitsAt96(int pixels, int dpi);

// A size shown at `fromDpi` as the same size at `toDpi`: through its 96-DPI
// units, so moving a window back and forth between screens keeps its sizes.
int RescaledForDpi(int pixels, int fromDpi, int toDpi);

// The program's pictures (toolbar, header arrows, icons, the About banner)
// are drawn for 96, 144 and 192 DPI (100 %, 150 % and 200 %). The DPI of the
// drawing a window at `dpi` shows: the largest not above it, so a picture is
// never larger than the text around it, and never blurred by stretching.
int PictureDpi(int dpi);

// The side of a small picture (a toolbar image, a small icon) in the drawing
// a window at `dpi` shows: 16, 24 or 32 pixels.
int SmallPictureSide(int dpi);
