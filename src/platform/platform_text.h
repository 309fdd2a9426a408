#pragma once
// The program's ANSI code page, one implementation per platform: the system's
// on Windows, Windows-1252 elsewhere (where only the tests run).

#include <string>
#include <string_view>

// Appends character `c` (a Unicode code point) as the code page writes it:
// one or two bytes, or '?' when the code page has no such character.
void AppendInCodePage(char32_t c, std::string& out);

// Appends `text`, in the program's code page, as UTF-8.
void AppendUtf8(std::string_view text, std::string& out);
