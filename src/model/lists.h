#pragma once
// The two rules of every list of the document: which numbers name an entry,
// and how an entry is appended. Files, list boxes and program-wide indexes
// may carry any number; counts are stored as int32.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <utility>

// `position` when it names an entry of a list of `count` entries, else -1.
inline std::int32_t PositionInList(std::int64_t position, std::int64_t count) {
    return position >= 0 && position < count ? static_cast<std::int32_t>(position) : -1;
}

// Appends at the tail; false, with the list unchanged, when its count would
// pass what an int32 holds or no memory is left.
template <typename List, typename Entry>
bool AppendToList(List& list, Entry&& entry) {
    if (list.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
    try {
        list.push_back(std::forward<Entry>(entry));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
