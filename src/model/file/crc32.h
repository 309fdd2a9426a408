#pragma once
// CRC-32 (IEEE 802.3, the one of zip and PNG), running over bytes as they come.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::array<std::uint32_t, 256> kCrc32Table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

struct Crc32 {
    std::uint32_t value = 0xFFFFFFFFu;
    void Add(const void* data, std::size_t count) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < count; ++i) value = kCrc32Table[(value ^ bytes[i]) & 0xFF] ^ (value >> 8);
    }
    std::uint32_t Final() const { return value ^ 0xFFFFFFFFu; }
};
