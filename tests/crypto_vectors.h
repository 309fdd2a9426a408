#pragma once
// Published known answers for the cryptography of encrypted data files, one
// table for both builds: the native tests check them against OpenSSL, the
// Windows tests against CNG under Wine. Bytes are written in hex as their
// sources print them.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

struct Pbkdf2Vector {
    std::string_view password;  // as text
    std::string_view salt;      // as text
    std::uint32_t iterations;
    std::string_view key;  // hex; its length is the key length asked for
};

// RFC 7914, section 11 (the PBKDF2-HMAC-SHA256 vectors), and the 32-byte
// key of "password"/"salt"/4096 from the PBKDF2-HMAC-SHA256 vectors
// published beside RFC 6070's SHA-1 ones.
inline constexpr Pbkdf2Vector kPbkdf2Vectors[] = {
    {"passwd", "salt", 1,
     "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
     "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
    {"Password", "NaCl", 80000,
     "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
     "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"},
    {"password", "salt", 4096, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
};

struct HmacVector {
    const char* name;
    std::string_view key;   // hex
    std::string_view data;  // hex
    std::string_view mac;   // hex
};

// RFC 4231, test cases 1, 2, 3 and 6 (a 131-byte key, longer than SHA-256's
// 64-byte block, so hashed first).
inline constexpr HmacVector kHmacVectors[] = {
    {"rfc4231_case1", "0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b", "4869205468657265",
     "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
    {"rfc4231_case2", "4a656665", "7768617420646f2079612077616e7420666f72206e6f7468696e673f",
     "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
    {"rfc4231_case3", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
     "dddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddd"
     "dddddddddddddddddddddddddddddddddddd",
     "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe"},
    {"rfc4231_case6",
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
     "aaaaaa",
     "54657374205573696e67204c6172676572205468616e20426c6f636b2d53697a"
     "65204b6579202d2048617368204b6579204669727374",
     "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
};

struct GcmVector {
    const char* name;
    std::string_view key;         // hex, 32 bytes
    std::string_view nonce;       // hex, 12 bytes
    std::string_view associated;  // hex
    std::string_view plaintext;   // hex
    std::string_view ciphertext;  // hex
    std::string_view tag;         // hex, 16 bytes
};

// McGrew and Viega, "The Galois/Counter Mode of Operation (GCM)", the
// 256-bit key test cases 13 to 16: 13 has no plaintext, 16 has associated
// data and a plaintext that is not a whole number of blocks.
inline constexpr GcmVector kGcmVectors[] = {
    {"gcm_case13", "0000000000000000000000000000000000000000000000000000000000000000", "000000000000000000000000", "",
     "", "", "530f8afbc74536b9a963b4f1c4cb738b"},
    {"gcm_case14", "0000000000000000000000000000000000000000000000000000000000000000", "000000000000000000000000", "",
     "00000000000000000000000000000000", "cea7403d4d606b6e074ec5d3baf39d18", "d0d1c8a799996bf0265b98b5d48ab919"},
    {"gcm_case15", "feffe9928665731c6d6a8f9467308308feffe9928665731c6d6a8f9467308308", "cafebabefacedbaddecaf888", "",
     "d9313225f88406e5a55909c5aff5269a86a7a9531534f7da2e4c303d8a318a72"
     "1c3c0c95956809532fcf0e2449a6b525b16aedf5aa0de657ba637b391aafd255",
     "522dc1f099567d07f47f37a32a84427d643a8cdcbfe5c0c97598a2bd2555d1aa"
     "8cb08e48590dbb3da7b08b1056828838c5f61e6393ba7a0abcc9f662898015ad",
     "b094dac5d93471bdec1a502270e3cc6c"},
    {"gcm_case16", "feffe9928665731c6d6a8f9467308308feffe9928665731c6d6a8f9467308308", "cafebabefacedbaddecaf888",
     "feedfacedeadbeeffeedfacedeadbeefabaddad2",
     "d9313225f88406e5a55909c5aff5269a86a7a9531534f7da2e4c303d8a318a72"
     "1c3c0c95956809532fcf0e2449a6b525b16aedf5aa0de657ba637b39",
     "522dc1f099567d07f47f37a32a84427d643a8cdcbfe5c0c97598a2bd2555d1aa"
     "8cb08e48590dbb3da7b08b1056828838c5f61e6393ba7a0abcc9f662",
     "76fc6ece0f4e1768cddf8853bb2d551b"},
};

// The bytes that `hex` spells (two lowercase or uppercase digits a byte).
inline std::vector<std::uint8_t> FromHex(std::string_view hex) {
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return c - 'A' + 10;
    };
    std::vector<std::uint8_t> bytes(hex.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(digit(hex[2 * i]) << 4 | digit(hex[2 * i + 1]));
    return bytes;
}

inline std::vector<std::uint8_t> FromText(std::string_view text) { return {text.begin(), text.end()}; }
