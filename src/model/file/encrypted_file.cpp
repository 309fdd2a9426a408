#include "model/file/encrypted_file.h"

#include <cstring>
#include <new>

#include "model/file/data_file.h"
#include "model/file/data_file_layout.h"
#include "model/file/data_stream.h"
#include "platform/platform_file.h"

namespace {

constexpr std::size_t kVersionAt = kDataFileMagicSize, kDerivationAt = kVersionAt + 4, kIterationsAt = kDerivationAt + 4,
                      kSaltAt = kIterationsAt + 4, kNonceAt = kSaltAt + 16, kKeyCheckAt = kNonceAt + kGcmNonceSize;
static_assert(kKeyCheckAt + 16 == kEnvelopeHeaderSize);
constexpr std::string_view kKeyCheckLabel = "Pennywhist key check";

std::uint32_t Uint32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);  // little-endian, as the host
    return value;
}

// The check the header keeps of a key.
std::optional<std::array<std::uint8_t, 16>> KeyCheckOf(const std::array<std::uint8_t, kAesKeySize>& key) {
    std::array<std::uint8_t, kSha256Size> mac{};
    const auto* label = reinterpret_cast<const std::uint8_t*>(kKeyCheckLabel.data());
    if (!HmacSha256(key, {label, kKeyCheckLabel.size()}, mac)) return std::nullopt;
    std::array<std::uint8_t, 16> check{};
    std::memcpy(check.data(), mac.data(), check.size());
    return check;
}

std::optional<FileProtection> DerivedProtection(std::string_view password, std::span<const std::uint8_t, 16> salt,
                                                std::uint32_t iterations) {
    FileProtection protection;
    protection.encrypted = true;
    protection.iterations = iterations;
    std::memcpy(protection.salt.data(), salt.data(), salt.size());
    if (!DeriveKeyPbkdf2Sha256(password, protection.salt, iterations, protection.key)) return std::nullopt;
    return protection;
}

// Wipes a buffer of plain bytes on every way out.
struct PlainBytes {
    std::vector<std::uint8_t>& bytes;
    ~PlainBytes() { WipeBytes(bytes.data(), bytes.size()); }
};

}  // namespace

bool IsEncryptedFile(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kVersionAt + 4 && std::memcmp(bytes.data(), kDataFileMagic, kDataFileMagicSize) == 0 &&
           static_cast<std::int32_t>(Uint32At(bytes, kVersionAt)) == kEncryptedFileVersion;
}

std::optional<EnvelopeHeader> ReadEnvelopeHeader(std::span<const std::uint8_t> bytes) {
    if (!IsEncryptedFile(bytes) || bytes.size() < kEnvelopeHeaderSize + kGcmTagSize) return std::nullopt;
    if (Uint32At(bytes, kDerivationAt) != kKeyDerivationPbkdf2Sha256) return std::nullopt;
    EnvelopeHeader header;
    header.iterations = Uint32At(bytes, kIterationsAt);
    if (header.iterations == 0 || header.iterations > kMostKeyIterations) return std::nullopt;
    std::memcpy(header.salt.data(), bytes.data() + kSaltAt, header.salt.size());
    std::memcpy(header.nonce.data(), bytes.data() + kNonceAt, header.nonce.size());
    std::memcpy(header.keyCheck.data(), bytes.data() + kKeyCheckAt, header.keyCheck.size());
    return header;
}

std::optional<FileProtection> ProtectionFor(std::string_view password, std::uint32_t iterations) {
    std::array<std::uint8_t, 16> salt{};
    if (!RandomBytes(salt)) return std::nullopt;
    return DerivedProtection(password, salt, iterations);
}

std::optional<FileProtection> UnlockEnvelope(const EnvelopeHeader& header, std::string_view password) {
    std::optional<FileProtection> protection = DerivedProtection(password, header.salt, header.iterations);
    if (!protection) return std::nullopt;
    const std::optional<std::array<std::uint8_t, 16>> check = KeyCheckOf(protection->key);
    if (!check || *check != header.keyCheck) return std::nullopt;
    return protection;
}

bool OpenEnvelope(std::vector<std::uint8_t>& bytes, const FileProtection& protection, std::string_view password,
                  Document& document, LoadNotes* notes) {
    if (bytes.size() < kEnvelopeHeaderSize + kGcmTagSize) return false;
    const std::span<const std::uint8_t> header(bytes.data(), kEnvelopeHeaderSize);
    const std::span<std::uint8_t> sealed(bytes.data() + kEnvelopeHeaderSize,
                                         bytes.size() - kEnvelopeHeaderSize - kGcmTagSize);
    const std::span<const std::uint8_t, kGcmTagSize> tag(bytes.data() + bytes.size() - kGcmTagSize, kGcmTagSize);
    const PlainBytes wiped{bytes};
    if (!DecryptAesGcm(protection.key, header.subspan(kNonceAt, kGcmNonceSize), header, sealed, tag)) return false;
    DataReader in(sealed.data(), sealed.size());
    Document opened;
    if (!opened.Read(in, notes)) return false;
    opened.password = Text31(password.substr(0, Text31::kCapacity));
    opened.protection = protection;
    document = std::move(opened);
    return true;
}

bool WriteEnvelope(DataWriter& out, const Document& document) {
    const FileProtection& protection = document.protection;
    std::vector<std::uint8_t> bytes;
    const PlainBytes wiped{bytes};
    std::array<std::uint8_t, kGcmNonceSize> nonce{};
    const std::optional<std::array<std::uint8_t, 16>> check = KeyCheckOf(protection.key);
    if (!protection.encrypted || !RandomBytes(nonce) || !check) return false;
    {
        DataWriter plain;
        plain.Memory().reserve(kEnvelopeHeaderSize + PlainDataFileSize(document) + 4096);
        const std::int32_t version = kEncryptedFileVersion;
        const std::uint32_t derivation = kKeyDerivationPbkdf2Sha256;
        plain.Write(kDataFileMagic, kDataFileMagicSize);
        plain.Write(&version, sizeof version);
        plain.Write(&derivation, sizeof derivation);
        plain.Write(&protection.iterations, sizeof protection.iterations);
        plain.Write(protection.salt.data(), protection.salt.size());
        plain.Write(nonce.data(), nonce.size());
        plain.Write(check->data(), check->size());
        // The password is the key's: the file keeps neither.
        WritePlainDataFile(plain, document, false);
        bytes.swap(plain.Memory());
    }
    std::array<std::uint8_t, kGcmTagSize> tag{};
    const std::span<const std::uint8_t> header(bytes.data(), kEnvelopeHeaderSize);
    const std::span<std::uint8_t> data(bytes.data() + kEnvelopeHeaderSize, bytes.size() - kEnvelopeHeaderSize);
    if (!EncryptAesGcm(protection.key, nonce, header, data, tag)) return false;
    out.Write(bytes.data(), bytes.size());
    out.Write(tag.data(), tag.size());
    return true;
}

void ForgetFileSecrets(Document& document) {
    WipePassword(document.password);
    document.protection = FileProtection();
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    InputFile file(path);
    if (!file.IsOpen() || file.Size() > SIZE_MAX) return std::nullopt;
    try {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
        if (!file.Read(bytes.data(), bytes.size())) return std::nullopt;
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
