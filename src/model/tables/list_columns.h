#pragma once
// A column of one of the program's report lists: which field it shows (an
// id of that list's own), its title and its width in pixels at 96 DPI.

struct ListColumn {
    int field;
    const char* title;
    int width;
};
