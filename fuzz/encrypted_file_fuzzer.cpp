// libFuzzer target for the reader of encrypted data files. The first byte
// of the input chooses what the rest is:
// - even: a whole file, as read from disk: ReadEnvelopeHeader, then
//   OpenEnvelope under a fixed key. A refused file leaves the document as it
//   was; an accepted one has the key's protection and the password given.
// - odd: the plain bytes inside a file, sealed here under the fixed key as
//   the layout says: OpenEnvelope must then accept exactly what
//   Document::Read accepts of the same bytes, and read the same document.
// The key derivation is left out: it would take each input milliseconds,
// and its answer is the key either way.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/file/data_file_layout.h"
#include "model/file/data_stream.h"
#include "model/file/encrypted_file.h"

namespace {

void Check(bool condition, const char* broken) {
    if (condition) return;
    std::fprintf(stderr, "encrypted_file_fuzzer: %s\n", broken);
    std::abort();  // libFuzzer reports it as a crash and keeps the input
}

FileProtection FixedProtection() {
    FileProtection protection;
    protection.encrypted = true;
    protection.iterations = 1000;
    for (std::size_t i = 0; i < protection.salt.size(); ++i) protection.salt[i] = static_cast<std::uint8_t>(i);
    for (std::size_t i = 0; i < protection.key.size(); ++i) protection.key[i] = static_cast<std::uint8_t>(0xA0 + i);
    return protection;
}

// `plain` sealed under `protection` with a header of the layout's fields.
std::vector<std::uint8_t> Sealed(const std::uint8_t* plain, std::size_t size, const FileProtection& protection) {
    std::vector<std::uint8_t> file(kDataFileMagic, kDataFileMagic + kDataFileMagicSize);
    const auto append = [&](const void* data, std::size_t count) {
        file.insert(file.end(), static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + count);
    };
    const std::int32_t version = kEncryptedFileVersion;
    const std::uint32_t derivation = kKeyDerivationPbkdf2Sha256;
    const std::uint8_t nonce[kGcmNonceSize] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::uint8_t check[16] = {};  // only the password's way in reads it
    append(&version, sizeof version);
    append(&derivation, sizeof derivation);
    append(&protection.iterations, sizeof protection.iterations);
    append(protection.salt.data(), protection.salt.size());
    append(nonce, sizeof nonce);
    append(check, sizeof check);
    append(plain, size);
    std::uint8_t tag[kGcmTagSize];
    const std::span<std::uint8_t> data(file.data() + kEnvelopeHeaderSize, size);
    Check(EncryptAesGcm(protection.key, {nonce, kGcmNonceSize}, {file.data(), kEnvelopeHeaderSize}, data, tag),
          "the sealing failed");
    append(tag, sizeof tag);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FileProtection kProtection = FixedProtection();
    if (size == 0) return 0;
    const bool sealedHere = (data[0] & 1) != 0;
    std::vector<std::uint8_t> file = sealedHere ? Sealed(data + 1, size - 1, kProtection)
                                                : std::vector<std::uint8_t>(data + 1, data + size);
    Document document;
    document.AddCategory(Text31("sentinel"));
    const Document before = document;
    const bool headerRead = ReadEnvelopeHeader(file).has_value();
    const bool opened = headerRead && OpenEnvelope(file, kProtection, "pw", document, nullptr);
    if (!opened) Check(document == before, "a refused file changed the document");
    if (opened) Check(document.protection == kProtection && document.password.view() == "pw", "the key was not kept");
    if (!sealedHere) return 0;
    Check(headerRead, "a sealed file's header is refused");
    Document plain;
    DataReader in(data + 1, size - 1);
    const bool plainRead = plain.Read(in, nullptr);
    Check(plainRead == opened, "the sealed bytes read otherwise than the plain ones");
    if (opened) {
        plain.password = Text31("pw");
        plain.protection = kProtection;
        Check(plain == document, "the sealed bytes give another document");
    }
    return 0;
}
