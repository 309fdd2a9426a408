#pragma once
// The cryptography of encrypted data files, one implementation per platform:
// Windows' own (CNG, bcrypt.dll) in the program, OpenSSL's in the native
// build that tests the core. Every function is false on any failure, with
// its output then not to be used.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

inline constexpr std::size_t kAesKeySize = 32;    // AES-256
inline constexpr std::size_t kGcmNonceSize = 12;
inline constexpr std::size_t kGcmTagSize = 16;
inline constexpr std::size_t kSha256Size = 32;

// Bytes from the system's cryptographic random number generator.
bool RandomBytes(std::span<std::uint8_t> out);

// PBKDF2 with HMAC-SHA256 of `password`'s bytes and `salt`, `iterations`
// rounds, filling `key`.
bool DeriveKeyPbkdf2Sha256(std::string_view password, std::span<const std::uint8_t> salt, std::uint32_t iterations,
                           std::span<std::uint8_t> key);

// HMAC-SHA256 of `data` under `key`.
bool HmacSha256(std::span<const std::uint8_t> key, std::span<const std::uint8_t> data,
                std::span<std::uint8_t, kSha256Size> mac);

// AES-256-GCM of `data` in place under `key` (kAesKeySize bytes) and `nonce`
// (kGcmNonceSize), authenticating `associated` too; the tag goes to `tag`.
bool EncryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<std::uint8_t, kGcmTagSize> tag);

// The reverse, in place: false (with `data` then meaningless) when the tag
// does not match the key, nonce, associated data and ciphertext.
bool DecryptAesGcm(std::span<const std::uint8_t> key, std::span<const std::uint8_t> nonce,
                   std::span<const std::uint8_t> associated, std::span<std::uint8_t> data,
                   std::span<const std::uint8_t, kGcmTagSize> tag);

// Overwrites `bytes` with zeros in a way the compiler keeps.
void WipeBytes(void* bytes, std::size_t count);
