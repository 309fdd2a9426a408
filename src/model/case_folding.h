#pragma once
// Comparing texts without regard to case: the one folding that name checks
// and searches share. Texts are in the program's ANSI code page; its letters
// fold as the system folds them. Until the program installs the system's
// folding, it is that of code page 1252: A-Z, the accented capitals from
// 0xC0 to 0xDE (not 0xD7, the multiplication sign), and 0x8A, 0x8C, 0x8E and
// 0x9F (S and Z with caron, the OE ligature, Y with diaeresis).

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/text_field.h"

// The character folded to lower case.
char FoldCase(char c);

// The text with every character folded.
std::string FoldCase(std::string_view text);

// The same into `out`, which has room for text.size() characters.
void FoldCaseInto(std::string_view text, char* out);

// Whether the two texts are equal once folded.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Whether an entry in [first, last) other than `except` has a name that is
// `name` once folded; `nameOf` gives an entry's Text31 name. No two
// accounts, and no two listed categories, may have one name.
template <typename Iterator, typename NameOf>
bool NameUsedByOther(Iterator first, Iterator last, Iterator except, std::string_view name, NameOf nameOf) {
    for (Iterator entry = first; entry != last; ++entry)
        if (entry != except && SameIgnoringCase(std::invoke(nameOf, *entry).view(), name)) return true;
    return false;
}

// Folds as `lower` says: the lower-case form of every byte value, as the
// system's conversion of the code page gives it; std::nullopt goes back to
// code page 1252.
void SetCaseFolding(const std::optional<std::array<unsigned char, 256>>& lower);
