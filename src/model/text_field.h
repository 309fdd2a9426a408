#pragma once
// Fixed-width, zero-terminated, zero-padded text as it is held in the data file.

#include <algorithm>
#include <cstddef>
#include <string_view>

// A text of at most N - 1 bytes in an N-byte array. Every write is a bounded
// copy that zero-fills the rest, so the last byte is always zero and the bytes
// after the text are zero too (the data file stores the array byte for byte).
template <std::size_t N>
struct TextField {
    static constexpr std::size_t kCapacity = N - 1;

    char bytes[N] = {};

    TextField() = default;
    // Implicit on purpose: names are written as literals.
    TextField(std::string_view text) { Set(text); }  // NOLINT
    TextField(const char* text) { Set(text); }       // NOLINT

    void Set(std::string_view text) {
        // Stop at an embedded zero, as a C string copy would.
        text = text.substr(0, std::min(text.find('\0'), kCapacity));
        // An empty view may have no storage, which memcpy must not be given.
        std::copy_n(text.data(), text.size(), bytes);
        std::fill(bytes + text.size(), bytes + N, '\0');
    }

    const char* c_str() const { return bytes; }
    std::string_view view() const { return std::string_view(bytes); }
    bool empty() const { return bytes[0] == '\0'; }

    friend bool operator==(const TextField&, const TextField&) = default;
};

using Text31 = TextField<31>;
using Text101 = TextField<101>;
