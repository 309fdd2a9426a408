#pragma once
// Text as the user types it into a box.

#include <string_view>

// A box's text is missing when it is empty or starts with a blank: a name or
// a path is then asked for, and an amount reads as 0.
inline bool IsMissingText(std::string_view text) { return text.empty() || text.front() == ' '; }
