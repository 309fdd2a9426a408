#pragma once
// Encrypted data files. The plain file as the program writes it (with its
// password left out) is sealed with AES-256-GCM under a key derived from the
// password by PBKDF2-HMAC-SHA256. The file starts with the data file's magic
// and a version of its own, so that a reader of plain files refuses it and
// reads nothing of it.
//
// Layout, numbers little-endian: magic (10 bytes), version 2 (4), key
// derivation 1 = PBKDF2-HMAC-SHA256 (4), its iterations (4), salt (16),
// nonce (12), key check (16), the ciphertext, the tag (16). Everything
// before the ciphertext is authenticated with it. The key check is the
// first 16 bytes of HMAC-SHA256(key, "Pennywhist key check"): a wrong
// password shows there, where a damaged file fails the tag.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

class DataWriter;

inline constexpr std::int32_t kEncryptedFileVersion = 2;
inline constexpr std::uint32_t kKeyDerivationPbkdf2Sha256 = 1;
// A new key's rounds. The file says how many it took, so that a later
// version can ask more without locking anyone out of an older file.
inline constexpr std::uint32_t kNewKeyIterations = 600'000;
// More than any version asks: a file that says so is damaged, not hours of work.
inline constexpr std::uint32_t kMostKeyIterations = 100'000'000;
inline constexpr std::size_t kEnvelopeHeaderSize = 10 + 4 + 4 + 4 + 16 + kGcmNonceSize + 16;

struct EnvelopeHeader {
    std::uint32_t iterations = 0;
    std::array<std::uint8_t, 16> salt{};
    std::array<std::uint8_t, kGcmNonceSize> nonce{};
    std::array<std::uint8_t, 16> keyCheck{};
};

// Whether `bytes` start as an encrypted file (the magic and its version).
bool IsEncryptedFile(std::span<const std::uint8_t> bytes);

// The header of an encrypted file's bytes; none when they are too short to
// hold it and the tag, or it names an unknown key derivation or rounds
// outside 1 to kMostKeyIterations.
std::optional<EnvelopeHeader> ReadEnvelopeHeader(std::span<const std::uint8_t> bytes);

// The protection of a new salt and key for `password` (kNewKeyIterations
// rounds unless a test asks fewer); none when the system's random numbers or
// the derivation fail.
std::optional<FileProtection> ProtectionFor(std::string_view password, std::uint32_t iterations = kNewKeyIterations);

// The protection `password` gives a file of this header: the derived key,
// when its check matches; none for a wrong password. Costs the derivation.
std::optional<FileProtection> UnlockEnvelope(const EnvelopeHeader& header, std::string_view password);

// Decrypts `bytes` (a whole encrypted file) in place and reads the document
// from them with `protection` and `password`; false, with `document`
// unchanged, when the tag does not hold or the records inside are not a data
// file. What is left of the plain bytes is wiped.
bool OpenEnvelope(std::vector<std::uint8_t>& bytes, const FileProtection& protection, std::string_view password,
                  Document& document, LoadNotes* notes);

// Writes `document` as an encrypted file under its protection, with a new
// nonce; false when a step of the encryption fails.
bool WriteEnvelope(DataWriter& out, const Document& document);

// Wipes the password and the key from memory when the document closes: the
// document is then neither protected nor saved.
void ForgetFileSecrets(Document& document);

// A whole file read into memory; none when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// Asked for the password of an encrypted file met on the way: the
// protection and the password that open it, or none when the user gives up.
struct UnlockedFile {
    FileProtection protection;
    Text31 password;
    ~UnlockedFile() { WipePassword(password); }
};
using EnvelopeUnlocker = std::function<std::optional<UnlockedFile>(const EnvelopeHeader&)>;
