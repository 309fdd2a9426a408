#pragma once
// Comparing texts without regard to case: the one folding that name checks
// and searches share.

#include <string>
#include <string_view>

// The character with A-Z turned into a-z; every other byte as it is.
char FoldCase(char c);

// The text with every character folded.
std::string FoldCase(std::string_view text);

// Whether the two texts are equal once folded.
bool SameIgnoringCase(std::string_view a, std::string_view b);
