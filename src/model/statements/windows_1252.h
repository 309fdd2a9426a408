#pragma once
// Windows-1252: the characters of bytes 0x80 to 0x9F, where it differs from
// ISO-8859-1. The five bytes it leaves undefined read as the code point of
// their value, as Windows reads them.

inline constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of a Windows-1252 byte.
inline char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte;
}

// The Windows-1252 byte of a character; '?' for a character it lacks.
inline unsigned char Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
    return '?';
}
