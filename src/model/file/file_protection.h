#pragma once
// How the open file is saved: plain, as every reader of data files reads it,
// or encrypted under a key derived from its password (encrypted_file.h).

#include <array>
#include <cstdint>

#include "model/text_field.h"
#include "platform/platform_crypto.h"

struct FileProtection {
    bool encrypted = false;
    std::uint32_t iterations = 0;  // of the key derivation
    std::array<std::uint8_t, 16> salt{};
    std::array<std::uint8_t, kAesKeySize> key{};  // derived from the password and the salt

    FileProtection() = default;
    FileProtection(const FileProtection&) = default;
    FileProtection& operator=(const FileProtection&) = default;
    // The key leaves no trace in memory when the document that held it goes.
    ~FileProtection() { WipeBytes(key.data(), key.size()); }

    friend bool operator==(const FileProtection&, const FileProtection&) = default;
};

// Overwrites a password kept in memory, as the key is when it goes.
inline void WipePassword(Text31& password) { WipeBytes(password.bytes, sizeof password.bytes); }
